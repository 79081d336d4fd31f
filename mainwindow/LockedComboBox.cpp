// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "LockedComboBox.h"

#include "look/Window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QWheelEvent>

namespace quantell {

void LockedComboBox::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void LockedComboBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

namespace {
// Where the entry is drawn, inside the edit field's frame.
QRect entryField(const QRect& box) {
    return box.adjusted(3, 0, -2, 0);
}
} // namespace

QSize LockedComboBox::sizeHint() const {
    return {widestEntry(this) + width() - entryField(rect()).width(), height()};
}

void LockedComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    const QString text = currentText();
    const QRect field = entryField(rect());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(field, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text, Qt::ElideRight, field.width()));
}

} // namespace quantell
