#pragma once

#include <QRect>
#include <QString>

#include <vector>

namespace quantell {

enum class ControlType {
    Button,
    Option,
    Amount,
    UnitList,
    LockedUnitList,
    Result,
    UnitName,
    Title,
    Report
};

// One control of the main window as laid out, in twips.
struct ControlSpec {
    QString name;
    ControlType type;
    QRect twips;
    int tabIndex = -1; // of a control that takes the focus
    QString text = {}; // caption at creation
};

inline constexpr QSize kMainFormTwips{11205, 4350};

// The 86 controls of the main window.
const std::vector<ControlSpec>& mainFormLayout();

} // namespace quantell
