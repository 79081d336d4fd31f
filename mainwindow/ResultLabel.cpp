// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "ResultLabel.h"

#include "engine/Conversion.h"
#include "platform/Platform.h"

#include <QAccessible>
#include <QAction>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace quantell {

namespace {
constexpr qreal kStepPoints = 0.5;

} // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* copy = new QAction(QStringLiteral("コピー"), this);
    connect(copy, &QAction::triggered, this, [this] { emit copyRequested(this->text()); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ResultLabel::showResult(const QString& result) {
    const QString before = text();
    setText(result);
    updateFullValueTip();
    if (result != before && QAccessible::isActive()) {
        // Readers that follow a text hear it change; where the bridge passes on a value too
        // (UI Automation), so do those that follow a value.
        QAccessibleTextUpdateEvent textChange(this, 0, before, result);
        QAccessible::updateAccessibility(&textChange);
        if (platform::readersHearValueChanges) {
            QAccessibleValueChangeEvent valueChange(this, result);
            QAccessible::updateAccessibility(&valueChange);
        }
    }
}

// Only a value not drawn whole needs its full text in a tip; a tip on every box would cover
// the row below for nothing.
void ResultLabel::updateFullValueTip() {
    setToolTip(isWhole(drawn()) ? QString() : text());
}

void ResultLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateFullValueTip();
}

// Where the text goes: inside the frame and margin, and, as QLabel keeps it on the aligned
// (right) side with no indent of its own, half an 'x' clear of the frame on both sides, so that
// a long value does not run into the frame.
QRect ResultLabel::textRoom() const {
    const int m = margin();
    QRect room = contentsRect().adjusted(m, m, -m, -m);
    int gap = indent();
    if (gap < 0 && frameWidth() > 0)
        gap = fontMetrics().horizontalAdvance(u'x') / 2 - m;
    return gap > 0 ? room.adjusted(gap, 0, -gap, 0) : room;
}

ResultLabel::Drawn ResultLabel::drawn() const {
    const QString full = text();
    const qreal room = textRoom().width();
    QFont face = font();
    const auto fits = [&](const QString& shown) {
        return QFontMetricsF(face, this).horizontalAdvance(shown) <= room;
    };
    if (fits(full))
        return {face, full};
    const qreal normal = face.pointSizeF();
    for (qreal points = normal; points > normal - kMostShrink;) {
        points = std::max(points - kStepPoints, normal - kMostShrink);
        face.setPointSizeF(points);
        if (fits(full))
            return {face, full};
    }
    // Its size and leading digits tell most of a value: rounded in exponent form at the normal
    // size, with as many digits as fit, and three even where they do not.
    face = font();
    const std::string digitsOfFull = full.toStdString();
    const auto rounded = [&](int digits) {
        return QString::fromStdString(exponentForm(digitsOfFull, digits));
    };
    int digits = kLeastExponentDigits;
    while (fits(rounded(digits + 1)))
        ++digits;
    return {face, rounded(digits)};
}

bool ResultLabel::isWhole(const Drawn& shown) const {
    return shown.text == text() && shown.font == font();
}

void ResultLabel::paintEvent(QPaintEvent* event) {
    const Drawn shown = drawn();
    if (isWhole(shown)) {
        QLabel::paintEvent(event); // a result that fits looks as any label does
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(shown.font);
    style()->drawItemText(&painter, textRoom(),
                          static_cast<int>(alignment()) | Qt::TextForceLeftToRight, palette(),
                          isEnabled(), shown.text, foregroundRole());
}

} // namespace quantell
