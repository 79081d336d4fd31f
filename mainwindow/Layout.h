#pragma once

#include "look/Twips.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

namespace quantell {

// One control of the main window as laid out, in twips.
struct ControlSpec {
    QString name;
    QRect twips;
    int tabIndex = -1; // of a control that takes the focus
    QString text = {}; // caption at creation
};

// The command buttons, in the order of their rows.
enum class Command { Change, Clear, Info, Quit, Text, TextClear, Clip, Note };

// The window's own controls; each kind's column lays out its own (KindColumn.cpp).
struct FormLayout {
    std::array<ControlSpec, 8> commands; // in Command order
    ControlSpec title;
    ControlSpec report;
};

const FormLayout& formLayout();

inline constexpr QSize kMainFormTwips{11205, 4350};

// The controls that take the focus, at their tab indexes.
using TabStops = std::vector<std::pair<int, QWidget*>>;

// `control`, named and placed as the layout says.
template <typename Control>
Control* placed(Control* control, const QString& name, const QRect& twips) {
    control->setObjectName(name);
    control->setGeometry(toPixels(twips));
    return control;
}

} // namespace quantell
