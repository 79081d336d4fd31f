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

// One control of the main window as laid out: geometry in twips (1/15 of a logical pixel).
struct ControlSpec {
    QString name;
    ControlType type;
    QRect twips;
    int tabIndex;
    QString text; // caption or text at creation
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr QSize kMainFormTwips{11205, 4350};

// A length of a window's fixed layout, given in twips, in logical pixels.
constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect toPixels(const QRect& twips) {
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

// The 86 controls of the main window.
const std::vector<ControlSpec>& mainFormLayout();

} // namespace quantell
