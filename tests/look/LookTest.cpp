// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "GuiTest.h"
#include "ThreeWindows.h"
#include "look/Window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#include <functional>
#include <map>

using namespace quantell;
using namespace quantell::test;

namespace {

// Shows `text` in `control`: as its text, or as the entry a list shows.
void show(QWidget* control, const QString& text) {
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->setItemText(list->currentIndex(), text);
    else
        control->setProperty("text", text);
}

// What `control` draws of `caption` (where it differs from the control showing no text), with a
// pixel of ground round it where there is one, and whether it is drawn whole: as with room to
// spare, to the right, or below for a text that wraps. A command's caption has the whole face
// inside the frame, the style's margin included, where the Windows style clips it.
std::pair<QImage, bool> drawn(QWidget* control, const QString& caption) {
    const auto text = [&] {
        show(control, {});
        const QImage blank = control->grab().toImage();
        show(control, caption);
        const QImage image = control->grab().toImage();
        return std::pair(image, Ink(image, blank).bounds);
    };
    const auto [tight, ink] = text();
    const QSize size = control->size();
    const auto* label = qobject_cast<QLabel*>(control);
    control->resize(size + (label && label->wordWrap() ? QSize(0, 200) : QSize(200, 0)));
    const auto [roomy, roomyInk] = text();
    control->resize(size);
    const bool inFace = qobject_cast<QPushButton*>(control) &&
                        control->fontMetrics().horizontalAdvance(caption) <= size.width() - 4;
    return {tight.copy(ink.adjusted(-1, -1, 1, 1) & tight.rect()),
            tight.copy(ink) == roomy.copy(roomyInk) || inFace};
}

// How many stems of an "m" drawn black on white in `font` a row through the middle of the
// x-height tells apart.
int stemsOfM(const QFont& font) {
    const QFontMetrics metrics(font);
    QImage image(2 * metrics.height(), metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(2, metrics.ascent(), QStringLiteral("m"));
    painter.end();
    return Ink(image).strokesAcross(metrics.ascent() - metrics.xHeight() / 2);
}

// A style that keeps more room beside a list's arrow than those at hand, so that no unit fits.
class WideArrowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        return control == CC_ComboBox && part == SC_ComboBoxEditField ? rect.adjusted(0, 0, -12, 0)
                                                                      : rect;
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        return QProxyStyle::sizeFromContents(type, option, size, widget) +
               QSize(type == CT_ComboBox ? 12 : 0, 0);
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
// colours and font changing once they are open, and calls `see` on each; then puts the tests'
// desktop back.
void onEveryDesktop(const std::function<void(const Desktop&, QWidget*)>& see) {
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    const QString style = QApplication::style()->name();
    const Desktop desktops[] = {
        {"light", QApplication::style()->standardPalette(), 11},
        {"dark", themePalette({239, 240, 241}, {49, 54, 59}, {35, 38, 41}, {110, 113, 116}), 14,
         true},
        {"high-contrast", themePalette(Qt::white, Qt::black, Qt::black, {63, 242, 63}), 20},
    };
    for (const Desktop& desktop : desktops) {
        if (desktop.wideArrows)
            QApplication::setStyle(new WideArrowStyle(style));
        else
            QApplication::setStyle(style);
        QFont desktopFont = font;
        desktopFont.setPointSize(desktop.points);
        eachWindow([&](QWidget* window) { see(desktop, window); },
                   [&] {
                       QApplication::setPalette(desktop.palette);
                       QApplication::setFont(desktopFont);
                       QCoreApplication::sendPostedEvents(); // the windows hear of it
                   });
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
            // its text, or each entry of a list
            auto* list = qobject_cast<QComboBox*>(w);
            for (int entry = 0; entry < (list ? list->count() : 1); ++entry) {
                if (list)
                    list->setCurrentIndex(entry);
                const QString caption = list ? list->currentText() : w->property("text").toString();
                if (caption.isEmpty() || !w->isVisible())
                    continue;
                SCOPED_TRACE(QStringLiteral("%1 %2 %3")
                                 .arg(desktop.name, w->objectName(), caption)
                                 .toStdString());
                const auto [text, whole] = drawn(w, caption);
                EXPECT_TRUE(whole && inside(w)) << QFontInfo(w->font()).family().toStdString();
                EXPECT_TRUE(!caption.contains(u'm') || stemsOfM(w->font()) == 3);
                for (QWidget* other :
                     w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    const QRect both = w->geometry() & other->geometry();
                    EXPECT_FALSE(other != w && other->isVisible() && both.width() > 2 &&
                                 both.height() > 2)
                        << "covers " << other->objectName().toStdString();
                }
                const double ratio = Ink(text).contrast;
                double& light = lightDisabled[w->objectName() + caption];
                if (!w->isEnabled() && desktop.name == std::string_view("light"))
                    light = ratio;
                EXPECT_GE(ratio, w->isEnabled() ? 3.0 : light - 0.05);
            }
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
        const Ink ink((*tip)->grab((*tip)->rect().adjusted(3, 3, -3, -3)).toImage());
        EXPECT_GE(ink.contrast, 4.5);
        EXPECT_GE(ink.strokesAcross(ink.bounds.center().y()), 1 + 2 * value.count(u'0'));
        // in the windows' face, which their layouts are made for, not the desktop's
        EXPECT_EQ(QFontInfo((*tip)->font()).family(), QFontInfo(window->font()).family());
        EXPECT_EQ((*tip)->font().pointSizeF(), window->font().pointSizeF());
        delete *tip; // the next desktop's tip takes its colours anew
    });
    QToolTip::setPalette(tips);
}
