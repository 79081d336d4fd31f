// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "WindowTest.h"
#include "mainwindow/ResultLabel.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QPlainTextEdit>

namespace quantell::test {
namespace {

// Only the current kind takes input; its results are white and its option caption red.
void expectCurrentKind(const WindowTest& window, Kind current) {
    for (const Kind kind : kAllKinds) {
        const bool active = kind == current;
        EXPECT_EQ(window.amountBox(kind, 0)->isEnabled(), active);
        EXPECT_EQ(window.unitList(kind, 0)->isEnabled(), active);
        EXPECT_EQ(window.resultBox(kind, 6)->palette().color(QPalette::Window),
                  active ? QColor(255, 255, 255) : QColor(204, 204, 204));
        EXPECT_EQ(window.option(kind)->palette().color(QPalette::WindowText),
                  active ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

// The window starts with zeroes everywhere and Length current; choosing a kind sets the title,
// the colours and the focus.
TEST_F(WindowTest, StartsWithZeroesAndSwitchesKinds) {
    EXPECT_EQ(QApplication::focusWidget(), option(Kind::Length));
    expectCurrentKind(*this, Kind::Length);
    for (const Kind kind : kAllKinds) {
        EXPECT_EQ(unitList(kind, 0)->currentIndex(), 1);
        EXPECT_EQ(unitList(kind, 1)->currentIndex(), 0);
        EXPECT_EQ(windowShows(kind).mid(1), QStringList("0") + QStringList(kUnitCount, "0.0"));
    }
    for (const auto& [kind, title] : {std::pair{Kind::Cubic, "Quantell - Cubic"},
                                      std::pair{Kind::Length, "Quantell - Length"}}) {
        selectKind(kind);
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(QApplication::focusWidget(), amountBox(kind, 0));
        EXPECT_EQ(amountBox(kind, 0)->selectedText(), "0");
        expectCurrentKind(*this, kind);
    }
    // An arrow key in the option group selects the next kind round it, as a click does.
    option(Kind::Length)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Left);
    EXPECT_TRUE(option(Kind::Weight)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), amountBox(Kind::Weight, 0));
}

TEST_F(WindowTest, EnterConvertsAndReselectsEscAndAFocusedButtonClearOnlyTheCurrentKind) {
    type(amountBox(Kind::Length, 0), "5");
    type(amountBox(Kind::Length, 1), "3");
    QTest::keyClick(amountBox(Kind::Length, 1), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(resultBox(Kind::Length, 0)->text(), "53.0"); // 5 cm + 3 mm
    EXPECT_EQ(QApplication::focusWidget(), amountBox(Kind::Length, 0));
    EXPECT_EQ(amountBox(Kind::Length, 0)->selectedText(), "5");
    type(amountBox(Kind::Length, 0), "abc");
    chooseUnit(Kind::Length, 0); // mm takes no second term: both inputs count and read 0
    EXPECT_EQ(windowShows(Kind::Length), QStringList({"0", "0"}) + QStringList(7, "0.0"));
    get("ComClear")->setFocus();
    press(Qt::Key_Return); // clears: nothing is converted
    EXPECT_EQ(windowShows(Kind::Length), QStringList(2 + kUnitCount, ""));
    selectKind(Kind::Weight);
    press(Qt::Key_Escape);
    EXPECT_EQ(windowShows(Kind::Weight), QStringList(2 + kUnitCount, ""));
    EXPECT_EQ(windowShows(Kind::Square).mid(2), QStringList(kUnitCount, "0.0"));
}

TEST_F(WindowTest, TabCycleSkipsDisabledKinds) {
    selectKind(Kind::Weight);
    option(Kind::Weight)->setFocus(Qt::TabFocusReason);
    const QStringList expected{"WNum(0)", "WUnit(0)", "WNum(1)",    "ComChange", "ComClear",
                               "ComInfo", "ComQuit",  "WUnit(1)",   "ComText",   "ComNote",
                               "ComClip", "RTBox",    "ComTxClear", "OpWeight"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        press(Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(seen, expected);
}

// A term that leaves the double range, or an amount already beyond it, typed or pasted: one
// warning each, no result, the inputs as they were.
TEST_F(WindowTest, OverflowWarnsEmptiesResultsAndKeepsInputs) {
    chooseUnit(Kind::Length, 3); // km
    const QString rows[][2] = {{"1e306", "abc"}, {"1e309", "x"}, {"1", QString(400, u'9')}};
    for (const auto& [first, second] : rows) {
        type(amountBox(Kind::Length, 0), first);
        type(amountBox(Kind::Length, 1), second);
        press(Qt::Key_Return);
        EXPECT_EQ(windowShows(Kind::Length), QStringList({first, second}) + QStringList(7, ""));
    }
    QApplication::clipboard()->setText(QString(30000, u'9'));
    QTest::keyClick(amountBox(Kind::Length, 0), Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(windowShows(Kind::Length)[0], QString(30000, u'9'));
    EXPECT_EQ(messenger.messages.filter("値が大きすぎる").size(), 4);
    EXPECT_EQ(messenger.messages.size(), 4);
}

// A result never loses its start to the box's edge and is never drawn more than a point below
// its normal size: past that it shows rounded in exponent form at the normal size, with as many
// digits as the box holds, whatever the decimal point. The report gets it in full, and so does
// the tool tip where the box does not show it whole at the normal size (elsewhere a tip would
// only cover the row below).
TEST_F(WindowTest, LongResultsAreNeverClippedNorTooSmall) {
    QSet<QString> seen;
    for (const auto& [kind, unitIndex, amount, point] :
         {std::tuple{Kind::Length, 1, "1e30", "."}, // cm, km: up to 40 characters in mm
          {Kind::Length, 3, "10000", "."},
          {Kind::Length, 3, "-1e30", ","},
          {Kind::Length, 3, "9.99999999999999e29", "."}, // rounds up to 1.000...e+NN
          {Kind::Square, 3, "-86657", "."},              // km'2
          {Kind::Cubic, 1, "1e12", "."},                 // m'3
          {Kind::Weight, 6, "123456789", "."}}) {        // pound
        selectKind(kind);
        chooseUnit(kind, unitIndex);
        type(amountBox(kind, 0), amount);
        press(Qt::Key_Return);
        for (int i = 0; i < kUnitCount; ++i) // as a locale writing a decimal comma has them
            static_cast<ResultLabel*>(resultBox(kind, i))
                ->showResult(resultBox(kind, i)->text().replace(".", point));
        click("ComText");
        for (int i = 0; i < kUnitCount; ++i) {
            const auto* label = static_cast<ResultLabel*>(resultBox(kind, i));
            const QString full = label->text();
            SCOPED_TRACE(full.toStdString());
            const ResultLabel::Drawn drawn = label->drawn();
            const qreal size = drawn.font.pointSizeF(), normal = label->font().pointSizeF();
            const bool rounded = drawn.text != full;
            EXPECT_GE(size, normal - 1);
            const QImage inside = resultBox(kind, i)->grab(label->contentsRect()).toImage();
            const QRect ink = Ink(inside).bounds;
            EXPECT_GT(ink.left(), 0); // a clipped text runs into the frame
            EXPECT_LT(ink.right(), 0.97 * inside.width());
            if (rounded) { // at the normal size, with no room left for two more digits
                EXPECT_EQ(size, normal);
                EXPECT_LT(ink.left(), 2 * QFontMetricsF(drawn.font).horizontalAdvance(u'0') *
                                          inside.devicePixelRatio());
            }
            EXPECT_EQ(label->toolTip(), rounded || size < normal ? full : "");
            EXPECT_TRUE(form->reportText().contains("= " + full + " "));
            seen << (rounded ? "exponent" : size < normal ? "smaller" : "fits");
        }
    }
    EXPECT_EQ(seen.size(), 3);
}

const QString kFiveFeetThreeInches = "5 ft 3 in\r\n= 1600.2 mm\r\n= 160.02 cm\r\n= 1.6002 m\r\n"
                                     "= 0.0016 km\r\n= 63.0 in\r\n= 5.25 ft\r\n= 1.75 yd\r\n";

// A block is a transcript of the controls with CRLF line breaks, after an empty line; the
// clipboard gets exactly the box.
TEST_F(WindowTest, ReportBlocksAppendAfterWhatTheBoxHoldsAndTheClipboardGetsExactlyTheBox) {
    auto* box = get<QPlainTextEdit>("RTBox");
    chooseUnit(Kind::Length, 5);
    type(amountBox(Kind::Length, 0), "5");
    type(amountBox(Kind::Length, 1), "3");
    press(Qt::Key_Return);
    box->setFocus();
    QTest::keyClicks(box, "note");
    click("ComText"); // no final line break: the block starts on the next line
    EXPECT_EQ(form->reportText(), "note\r\n" + kFiveFeetThreeInches);
    click("ComText");
    EXPECT_EQ(form->reportText(),
              "note\r\n" + kFiveFeetThreeInches + "\r\n" + kFiveFeetThreeInches);
    EXPECT_TRUE(box->textCursor().atEnd());
    click("ComClip");
    EXPECT_EQ(QApplication::clipboard()->text(), form->reportText());
    click("ComTxClear");
    EXPECT_EQ(form->reportText() + QApplication::clipboard()->text(), "");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return); // the box takes Enter itself
    press(Qt::Key_Escape);                // and Esc goes to the window
    click("ComText");
    EXPECT_TRUE(form->reportText().startsWith("\r\n\r\n ft  in\r\n=  mm\r\n=  cm\r\n"));
    EXPECT_TRUE(messenger.messages.isEmpty());
}

// Closing a menu, chosen from or dismissed, gives the focus back without entering the box anew:
// the amount being typed goes on. Entering by Tab still selects it to be typed over.
TEST_F(WindowTest, ClosingAMenuLeavesTheAmountBeingTyped) {
    selectKind(Kind::Cubic);
    QLineEdit* box = amountBox(Kind::Cubic, 0);
    const std::pair<std::function<void()>, std::vector<Qt::Key>> menus[] = {
        {[&] { rightClick(resultBox(Kind::Cubic, 2)); }, {Qt::Key_Down, Qt::Key_Return}},
        {[&] { rightClick(resultBox(Kind::Cubic, 2)); }, {Qt::Key_Escape}},
        {[&] { QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier); }, {Qt::Key_K, Qt::Key_1}},
        {[&] { rightClick(box); }, {Qt::Key_Escape}},
    };
    for (const auto& [open, keys] : menus) {
        type(box, "12");
        // Answered in the menu and the submenus the keys open; the offscreen platform leaves no
        // window active after a popup, where a desktop gives the focus back.
        QTimer::singleShot(0, qApp, [&keys] {
            for (const Qt::Key key : keys)
                QTest::keyClick(QApplication::activePopupWidget(), key);
        });
        open();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
        QApplication::setActiveWindow(form.get());
        QTest::keyClicks(QApplication::focusWidget(), "3");
        click("ComText");
    }
    EXPECT_EQ(form->reportText().count("123 m'3 0 cm'3\r\n"), 4);
    box->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box->selectedText(), "123");
}

} // namespace
} // namespace quantell::test
