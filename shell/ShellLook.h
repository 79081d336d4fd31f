#pragma once

#include "look/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include <span>

class QWidget;

namespace quantell {

// The application icon shows at its natural size on the splash and the about window.
inline constexpr int iconPixels = 32;

// One label of a window's fixed layout.
struct LabelRow {
    const char* name;
    const char* text; // UTF-8
    QRect twips;      // at least; an empty size makes the label exactly as large as its text
    QFont (*face)(qreal points, bool bold) = nullptr; // none keeps the window's font
    qreal points = 0;
    bool bold = false;
    QColor colour = {}; // none keeps the default text colour
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wrap = false;
};

// Creates the labels of a layout table on parent, after its other controls: a label that grows
// moves what lies below it.
void addLabels(QWidget* parent, std::span<const LabelRow> rows);

} // namespace quantell
