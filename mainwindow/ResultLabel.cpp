#include "ResultLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace quantell {

namespace {
constexpr qreal kStepPoints = 0.5;
constexpr int kLeastDigits = 3;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// `result` ("-39370078740157.4803") with `digits` significant digits, rounded half up, in
// exponent form ("-3.94e+13") with the result's own decimal point. It works on the digits of
// the text, not on a double, so it shows no digit the text does not hold.
QString exponentForm(const QString& result, int digits) {
    const bool negative = result.startsWith(u'-');
    const QString body = result.sliced(negative ? 1 : 0);
    const qsizetype pointAt = std::find_if_not(body.begin(), body.end(), isDigit) - body.begin();
    const qsizetype fractionAt =
        std::find_if(body.begin() + pointAt, body.end(), isDigit) - body.begin();
    const QString all = body.first(pointAt) + body.sliced(fractionAt);
    const qsizetype lead =
        std::find_if(all.begin(), all.end(), [](QChar c) { return c != u'0'; }) - all.begin();
    int exponent = int(pointAt - lead) - 1;
    QString mantissa = all.sliced(lead).leftJustified(digits, u'0', true);
    bool carry = lead + digits < all.size() && all[lead + digits] >= u'5';
    for (qsizetype i = digits - 1; carry && i >= 0; --i) {
        carry = mantissa[i] == u'9';
        mantissa[i] = carry ? u'0' : QChar(mantissa[i].unicode() + 1);
    }
    if (carry) { // 9.99 rounds up to 10.0
        mantissa = u'1' + mantissa.first(digits - 1);
        ++exponent;
    }
    return (negative ? QStringLiteral("-") : QString()) + mantissa[0] +
           body.sliced(pointAt, fractionAt - pointAt) + mantissa.sliced(1) +
           QString::asprintf("e%+03d", exponent);
}
} // namespace

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ResultLabel::showResult(const QString& result) {
    setText(result);
    updateFullValueTip();
}

// Only a value not drawn whole needs its full text elsewhere; a tip on every box would cover
// the row below for nothing.
void ResultLabel::updateFullValueTip() {
    const QString full = isWhole(drawn()) ? QString() : text();
    setToolTip(full);
    setAccessibleDescription(full);
}

void ResultLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateFullValueTip();
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
    // Its size and leading digits tell most of a value: rounded in exponent form at the floor,
    // with as many digits as fit, and three even where they do not.
    int digits = kLeastDigits;
    while (fits(exponentForm(full, digits + 1)))
        ++digits;
    return {face, exponentForm(full, digits)};
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
    style()->drawItemText(&painter, textRoom(), int(alignment()) | Qt::TextForceLeftToRight,
                          palette(), isEnabled(), shown.text, foregroundRole());
}

} // namespace quantell
