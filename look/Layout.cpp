// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Layout.h"

#include "Window.h"

#include <QLabel>

namespace quantell {

QRect toPixels(const QRect& twips) {
    const QPoint topLeft(pixels(twips.x()), pixels(twips.y()));
    const QPoint end(pixels(twips.x() + twips.width()), pixels(twips.y() + twips.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

void dress(QWidget* control, const ControlSpec& row) {
    control->setObjectName(row.name);
    control->setGeometry(toPixels(row.twips));
    if (row.face.family)
        control->setFont(row.face.family(row.face.points, row.face.bold));
    if (row.colour.isValid())
        setColour(control, QPalette::WindowText, row.colour);
    if (row.fill.isValid()) {
        control->setAutoFillBackground(true);
        setColour(control, QPalette::Window, row.fill);
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (row.alignment)
            label->setAlignment(row.alignment);
        label->setWordWrap(row.wrap);
    }
}

QList<QLabel*> placeLabels(QWidget* parent, std::span<const ControlSpec> rows) {
    QList<QLabel*> labels;
    for (const ControlSpec& row : rows)
        labels << placed(new QLabel(parent), row);
    for (QLabel* label : labels)
        growToText(label);
    return labels;
}

} // namespace quantell
