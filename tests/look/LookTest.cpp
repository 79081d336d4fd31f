#include "ThreeWindows.h"
#include "look/Window.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace quantell;
using namespace quantell::test;

namespace {

// The contrast a text is painted with: its background is the commonest colour of the area,
// the text the pixel that stands out most from it.
double paintedContrast(const QImage& area) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ++counts[area.pixel(x, y)];
    const QRgb background =
        std::ranges::max_element(counts, {}, &decltype(counts)::value_type::second)->first;
    double best = 1;
    for (const auto& [rgb, count] : counts)
        best = std::max(best, contrastRatio(rgb, background));
    return best;
}

// A control's text, the part of it the text is drawn in, and whether the text has the room
// it needs there in the face the control actually got.
std::tuple<QString, QRect, bool> textOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return {label->text(), label->contentsRect(),
                label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                  : label->size().expandedTo(label->sizeHint()) == label->size()};
    const QRect inside = w->rect().adjusted(2, 2, -2, -2);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // A caption may take the whole face inside the frame, or all beside a radio's indicator.
        QStyleOptionButton option;
        option.initFrom(button);
        QRect area = w->rect();
        if (qobject_cast<QPushButton*>(w))
            area = inside;
        else
            area.setLeft(
                w->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, w).left());
        return {button->text(), area,
                w->fontMetrics().horizontalAdvance(button->text()) <= area.width()};
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return {edit->text(), inside, true};
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        // Beside the arrow, or in the width the list asks for (the locked list has no arrow).
        return {entries.join(u' '), inside,
                widestEntry(list) <= entryRoom(list).width() ||
                    list->sizeHint().width() <= list->width()};
    }
    return {};
}

// How many dark strokes a row of a grey image crosses: runs of pixels nearer the darkest of the
// row than its lightest.
int strokesAcross(const QImage& grey, int y) {
    const uchar* row = grey.constScanLine(y);
    const auto [darkest, lightest] = std::minmax_element(row, row + grey.width());
    const int twiceHalfway = *darkest + *lightest;
    int strokes = 0;
    for (int x = 1; x < grey.width(); ++x)
        strokes += 2 * row[x] < twiceHalfway && 2 * row[x - 1] >= twiceHalfway;
    return strokes;
}

// How many stems of an "m" drawn black on white in `font` a row through the middle of the
// x-height tells apart.
int stemsOfM(const QFont& font) {
    const QFontMetrics metrics(font);
    QImage image(2 * metrics.height(), metrics.height(), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(2, metrics.ascent(), QStringLiteral("m"));
    painter.end();
    return strokesAcross(image, metrics.ascent() - metrics.xHeight() / 2);
}

// How many strokes a row halfway up the digits of a one-line text in `image` crosses.
int strokesHalfwayUp(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    std::vector<int> inked;
    for (int y = 0; y < grey.height(); ++y)
        if (strokesAcross(grey, y) > 0)
            inked.push_back(y);
    return inked.empty() ? 0 : strokesAcross(grey, (inked.front() + inked.back()) / 2);
}

// A style that keeps more room beside a list's arrow than those at hand, so that no unit fits.
class WideArrowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    static constexpr int kMore = 12;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        return control == CC_ComboBox && part == SC_ComboBoxEditField
                   ? rect.adjusted(0, 0, -kMore, 0)
                   : rect;
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        return QProxyStyle::sizeFromContents(type, option, size, widget) +
               QSize(type == CT_ComboBox ? kMore : 0, 0);
    }
};

// Whether a control lies inside the frames and the window around it.
bool inside(const QWidget* w) {
    for (; !w->isWindow(); w = w->parentWidget())
        if (!w->parentWidget()->contentsRect().contains(w->geometry()))
            return false;
    return true;
}

// A dark desktop as the common dark themes give it, and the usual high-contrast one.
QPalette themePalette(QColor text, QColor window, QColor base, QColor disabledText) {
    QPalette p(text, window, window.lighter(130), window.darker(130), window.lighter(110), text,
               Qt::white, base, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    return p;
}

// A desktop the windows may meet: its colours and font size, and whether its style keeps more
// room beside a list's arrow than any at hand, so that every unit list must grow.
struct Desktop {
    const char* name;
    QPalette palette;
    int points;
    bool wideArrows = false;
};

// Shows the three windows on a light, a dark and a high-contrast desktop in turn, the desktop's
// colours changing once they are open, and calls `see` on each; then puts the tests' desktop
// back.
void onEveryDesktop(const std::function<void(const Desktop&, QWidget*)>& see) {
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    const QString style = QApplication::style()->name();
    const Desktop desktops[] = {
        {"light", QApplication::style()->standardPalette(), 9},
        {"dark", themePalette({239, 240, 241}, {49, 54, 59}, {35, 38, 41}, {110, 113, 116}), 14,
         true},
        {"high-contrast", themePalette(Qt::white, Qt::black, Qt::black, {63, 242, 63}), 20},
    };
    for (const Desktop& desktop : desktops) {
        QFont desktopFont = font;
        desktopFont.setPointSize(desktop.points);
        QApplication::setFont(desktopFont);
        if (desktop.wideArrows)
            QApplication::setStyle(new WideArrowStyle(style));
        else
            QApplication::setStyle(style);
        eachWindow([&](QWidget* window) { see(desktop, window); },
                   [&] { QApplication::setPalette(desktop.palette); });
    }
    QApplication::setStyle(style);
    QApplication::setPalette(palette);
    QApplication::setFont(font);
}

} // namespace

// Each window opens in the middle of the screen's free area, and cannot be resized or
// maximized (the main window can be minimized); one larger than that area opens with its top left
// corner in it, so that its title bar and first controls can be reached.
TEST(Look, WindowsOpenInTheMiddleOrWithTheirCornerOnTheScreenAtAFixedSize) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    eachWindow([&free](QWidget* window) {
        SCOPED_TRACE(window->objectName().toStdString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QRect frame = window->frameGeometry();
        // Off by the frame, which the centring leaves out, and by the rounding of a scale.
        const QSize frameOnly = frame.size() - window->size();
        EXPECT_LE(std::abs(frame.left() + frame.right() - free.left() - free.right()),
                  std::abs(frameOnly.width()) + 2);
        EXPECT_LE(std::abs(frame.top() + frame.bottom() - free.top() - free.bottom()),
                  std::abs(frameOnly.height()) + 2);
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_EQ(window->windowFlags() &
                      (Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMaximizeButtonHint |
                       Qt::WindowMinimizeButtonHint),
                  Qt::MSWindowsFixedSizeDialogHint |
                      (window->inherits("quantell::MainForm") ? Qt::WindowMinimizeButtonHint
                                                              : Qt::Widget));
    });
    QWidget large;
    setUpWindow(&large, "large", Qt::Window, {30000, 20000});
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
    EXPECT_EQ(large.frameGeometry().topLeft(), free.topLeft());
}

// Every caption has the room it needs, inside its frame and window and over no other control,
// whatever the desktop's font size and style, and the stems of its "m" stand apart. Every text
// reads at 3 : 1 at least on a light, a dark and a high-contrast desktop, also when the desktop
// changes while the windows are open; a disabled one keeps the contrast it has on the light one.
TEST(Look, CaptionsFitAndReadOnEveryDesktop) {
    std::map<QString, double> lightDisabled;
    onEveryDesktop([&lightDisabled](const Desktop& desktop, QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const auto [text, area, fits] = textOf(w);
            if (text.isEmpty() || !w->isVisible())
                continue;
            SCOPED_TRACE(
                QStringLiteral("%1 %2 %3").arg(desktop.name, w->objectName(), text).toStdString());
            EXPECT_TRUE(fits && inside(w)) << QFontInfo(w->font()).family().toStdString();
            if (text.contains(u'm')) {
                EXPECT_EQ(stemsOfM(w->font()), 3);
            }
            for (QWidget* other :
                 w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect both = w->geometry() & other->geometry();
                EXPECT_FALSE(other != w && other->isVisible() && both.width() > 2 &&
                             both.height() > 2)
                    << "covers " << other->objectName().toStdString();
            }
            const double ratio = paintedContrast(w->grab(area).toImage());
            double& light = lightDisabled[w->objectName()];
            if (!w->isEnabled() && desktop.name == std::string_view("light"))
                light = ratio;
            EXPECT_GE(ratio, w->isEnabled() ? 3.0 : light - 0.05);
        }
    });
}

// A tool tip, where a long result shows its full value, reads at 4.5 : 1, even where the
// desktop gives tips a light grey on white (as a Windows theme under Wine does), and its digits
// are whole: halfway up, each 0 shows both its sides.
TEST(Look, ToolTipsReadAndShowEveryDigitWhole) {
    const QPalette tips = QToolTip::palette();
    QPalette grey = tips;
    grey.setColor(QPalette::ToolTipText, {166, 166, 166});
    grey.setColor(QPalette::ToolTipBase, Qt::white);
    QToolTip::setPalette(grey);
    const QString value = "1" + QString(30, u'0') + ".0";
    onEveryDesktop([&value](const Desktop&, QWidget* window) {
        if (!window->inherits("quantell::MainForm"))
            return;
        QToolTip::showText(window->mapToGlobal(QPoint()), value, window);
        const QWidgetList shown = QApplication::topLevelWidgets();
        const auto tip =
            std::ranges::find_if(shown, [](QWidget* w) { return w->inherits("QTipLabel"); });
        ASSERT_NE(tip, shown.end());
        const QImage inside = (*tip)->grab((*tip)->rect().adjusted(3, 3, -3, -3)).toImage();
        EXPECT_GE(paintedContrast(inside), 4.5);
        EXPECT_GE(strokesHalfwayUp(inside), 1 + 2 * value.count(u'0'));
        delete *tip; // the next desktop's tip takes its colours anew
    });
    QToolTip::setPalette(tips);
}
