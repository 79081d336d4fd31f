#include "ResultLabel.h"

#include "engine/Conversion.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace quantell {

namespace {
constexpr qreal kStepPoints = 0.5;

// What a screen reader gets from a result box: its accessible name (kind and unit), and the
// full value it holds as its text (what AT-SPI readers speak of a label) and as its value
// (UI Automation's Value), never the shorter form it may draw.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultAccessible(ResultLabel* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? value() : QAccessibleWidget::text(t);
    }

    // The text interface of a read-only text without a caret or selection.
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return int(value().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QString value() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* resultAccessible(const QString&, QObject* object) {
    auto* box = qobject_cast<ResultLabel*>(object);
    return box ? new ResultAccessible(box) : nullptr;
}
} // namespace

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(resultAccessible), true);
    static_cast<void>(factoryInstalled);
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
        // Readers that follow a text (AT-SPI) and those that follow a value (UI Automation).
        QAccessibleTextUpdateEvent textChange(this, 0, before, result);
        QAccessible::updateAccessibility(&textChange);
        QAccessibleValueChangeEvent valueChange(this, result);
        QAccessible::updateAccessibility(&valueChange);
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
    style()->drawItemText(&painter, textRoom(), int(alignment()) | Qt::TextForceLeftToRight,
                          palette(), isEnabled(), shown.text, foregroundRole());
}

} // namespace quantell
