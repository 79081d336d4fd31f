// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

#include <span>
#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace quantell {

// The windows' fixed layouts are given in twips, 15 to a logical pixel (96 dots per inch);
// Qt's scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// Edge by edge, so that a line from one point to another keeps the pixels of its ends.
QRect toPixels(const QRect& twips);

// A face of the layouts: one of the windows' Gothic families at a size; none keeps the face of
// the window.
struct Face {
    QFont (*family)(qreal points, bool bold) = nullptr;
    qreal points = 0;
    bool bold = false;
};

// One control of a window's fixed layout: what it is called, where it lies and how it reads.
struct ControlSpec {
    QString name;
    QRect twips;       // a label of no size takes exactly the size of its text
    QString text = {}; // caption at creation
    Face face = {};
    QColor colour = {}; // of its text; none keeps the palette's
    QColor fill = {};   // of its background; none keeps the window's
    Qt::Alignment alignment = {};
    bool wrap = false;
    int tabIndex = -1; // of a control that takes the focus
};

// The controls that take the focus, at their tab indexes.
using TabStops = std::vector<std::pair<int, QWidget*>>;

// Sets what `row` says of any control but its caption.
void dress(QWidget* control, const ControlSpec& row);

// `control`, named, placed, captioned and dressed as `row` says.
template <typename Control> Control* placed(Control* control, const ControlSpec& row) {
    if constexpr (requires { control->setText(row.text); })
        control->setText(row.text);
    dress(control, row);
    return control;
}

// The labels of a layout table on `parent`, made after its other controls and then grown to
// their texts, so that one that grows moves those below it.
QList<QLabel*> placeLabels(QWidget* parent, std::span<const ControlSpec> rows);

} // namespace quantell
