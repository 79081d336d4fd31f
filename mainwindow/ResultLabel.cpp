#include "ResultLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace quantell {

namespace {
constexpr qreal kStepPoints = 0.5;
const QString kMark = QStringLiteral("…");
} // namespace

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ResultLabel::showResult(const QString& result) {
    setText(result);
    setToolTip(result);
    setAccessibleDescription(result);
}

// Where QLabel puts the text: inside the frame and margin, and, with no indent of its own, half
// an 'x' clear of a frame on the aligned (right) side.
QRect ResultLabel::textRoom() const {
    const int m = margin();
    QRect room = contentsRect().adjusted(m, m, -m, -m);
    int gap = indent();
    if (gap < 0 && frameWidth() > 0)
        gap = fontMetrics().horizontalAdvance(u'x') / 2 - m;
    if (gap > 0)
        room.setRight(room.right() - gap);
    return room;
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
    for (qreal points = face.pointSizeF(); points > kFloorPoints;) {
        points = std::max(points - kStepPoints, kFloorPoints);
        face.setPointSizeF(points);
        if (fits(full))
            return {face, full};
    }
    // A minus sign stays in front of the mark: the end alone would read as a positive number.
    const QString mark = full.startsWith(u'-') ? u'-' + kMark : kMark;
    qsizetype kept = full.size() - 1;
    while (kept > 0 && !fits(mark + full.right(kept)))
        --kept;
    return {face, mark + full.right(kept)};
}

void ResultLabel::paintEvent(QPaintEvent* event) {
    const Drawn shown = drawn();
    if (shown.text == text() && shown.font == font()) {
        QLabel::paintEvent(event); // a result that fits looks as any label does
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(shown.font);
    style()->drawItemText(&painter, textRoom(), int(alignment()) | Qt::TextForceLeftToRight,
                          palette(), isEnabled(), shown.text, foregroundRole());
}

} // namespace quantell
