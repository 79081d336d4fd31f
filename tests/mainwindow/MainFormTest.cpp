#include "WindowTest.h"
#include "mainwindow/ResultLabel.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>

namespace quantell::test {
namespace {

// Only the current kind takes input; its results are white and its option caption red.
void expectCurrentLook(const WindowTest& window, Kind current) {
    for (const Kind kind : kAllKinds) {
        const bool active = kind == current;
        EXPECT_EQ(window.num(kind, 0)->isEnabled(), active);
        EXPECT_EQ(window.unit(kind, 0)->isEnabled(), active);
        EXPECT_EQ(window.ans(kind, 6)->palette().color(QPalette::Window),
                  active ? QColor(255, 255, 255) : QColor(204, 204, 204));
        EXPECT_EQ(window.option(kind)->palette().color(QPalette::WindowText),
                  active ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

TEST_F(WindowTest, StartsWithZeroesEverywhereAndLengthCurrent) {
    EXPECT_EQ(QApplication::focusWidget(), option(Kind::Length));
    expectCurrentLook(*this, Kind::Length);
    for (const Kind kind : kAllKinds) {
        EXPECT_EQ(unit(kind, 0)->currentIndex(), 1);
        EXPECT_EQ(unit(kind, 1)->currentIndex(), 0);
        EXPECT_EQ(num(kind, 1)->text(), "0");
        EXPECT_EQ(results(kind), QStringList(kUnitCount, "0.0"));
        // An option keeps the layout's width, that of the amount boxes, unless the caption
        // beside its indicator needs more: then it takes the style's size.
        QRadioButton* o = option(kind);
        const int layoutWidth = num(kind, 0)->width();
        QStyleOptionButton style;
        style.initFrom(o);
        style.rect.setWidth(layoutWidth);
        const bool fits =
            o->fontMetrics().horizontalAdvance(o->text()) <=
            o->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, o).width();
        EXPECT_EQ(o->width(), fits ? layoutWidth : o->sizeHint().width());
    }
}

TEST_F(WindowTest, SwitchingKindsSetsTitleLookAndFocus) {
    for (const auto& [kind, title] : {std::pair{Kind::Cubic, "Quantell - Cubic"},
                                      std::pair{Kind::Length, "Quantell - Length"}}) {
        selectKind(kind);
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(QApplication::focusWidget(), num(kind, 0));
        EXPECT_EQ(num(kind, 0)->selectedText(), "0");
        expectCurrentLook(*this, kind);
    }
    // An arrow key in the option group selects the next kind round it, as a click does.
    option(Kind::Length)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Left);
    EXPECT_TRUE(option(Kind::Weight)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), num(Kind::Weight, 0));
}

TEST_F(WindowTest, EnterConvertsAndReselectsEscAndAFocusedButtonClearOnlyTheCurrentKind) {
    type(num(Kind::Length, 0), "5");
    type(num(Kind::Length, 1), "3");
    QTest::keyClick(num(Kind::Length, 1), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ans(Kind::Length, 0)->text(), "53.0"); // 5 cm + 3 mm
    EXPECT_EQ(QApplication::focusWidget(), num(Kind::Length, 0));
    EXPECT_EQ(num(Kind::Length, 0)->selectedText(), "5");
    type(num(Kind::Length, 0), "abc");
    chooseUnit(Kind::Length, 0); // mm takes no second term: both inputs count and read 0
    EXPECT_EQ(windowShows(Kind::Length), QStringList({"0", "0"}) + QStringList(7, "0.0"));
    get("ComClear")->setFocus();
    press(Qt::Key_Return); // clears: nothing is converted
    EXPECT_EQ(num(Kind::Length, 0)->text(), "");
    EXPECT_EQ(results(Kind::Length), QStringList(kUnitCount, ""));
    selectKind(Kind::Weight);
    press(Qt::Key_Escape);
    EXPECT_EQ(num(Kind::Weight, 1)->text(), "");
    EXPECT_EQ(results(Kind::Weight), QStringList(kUnitCount, ""));
    EXPECT_EQ(results(Kind::Square), QStringList(kUnitCount, "0.0"));
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
        type(num(Kind::Length, 0), first);
        type(num(Kind::Length, 1), second);
        press(Qt::Key_Return);
        EXPECT_EQ(windowShows(Kind::Length), QStringList({first, second}) + QStringList(7, ""));
    }
    QApplication::clipboard()->setText(QString(30000, u'9'));
    QTest::keyClick(num(Kind::Length, 0), Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(windowShows(Kind::Length)[0], QString(30000, u'9'));
    EXPECT_EQ(messenger.messages, QStringList(4, "値が大きすぎるため変換できません。"));
}

// A result never loses its start to the box's edge: it is drawn smaller, and beyond the floor
// size rounded in exponent form; the report gets all of it, and so do the tool tip and screen
// readers where the box does not show it whole at the normal size (elsewhere a tip would only
// cover the row below).
TEST_F(WindowTest, LongResultsShrinkThenRoundToExponentForm) {
    QSet<QString> seen;
    for (const auto& [unitIndex, amount, point] :
         {std::tuple{2, "1e5", "."},
          {3, "10000", "."},
          {3, "-1e30", ","},
          {3, "9.99999999999999e29", "."}}) { // rounds up to 1.000...e+NN
        chooseUnit(Kind::Length, unitIndex);  // m, km: up to 40 characters in mm
        type(num(Kind::Length, 0), amount);
        press(Qt::Key_Return);
        for (int i = 0; i < kUnitCount; ++i) // as a locale writing a decimal comma has them
            static_cast<ResultLabel*>(ans(Kind::Length, i))
                ->showResult(ans(Kind::Length, i)->text().replace(".", point));
        click("ComText");
        for (int i = 0; i < kUnitCount; ++i) {
            const auto* label = static_cast<ResultLabel*>(ans(Kind::Length, i));
            const QString full = label->text();
            SCOPED_TRACE(full.toStdString());
            // QLabel keeps half an 'x' clear of the frame on the right.
            const qreal room =
                label->contentsRect().width() - label->fontMetrics().horizontalAdvance(u'x') / 2;
            const auto width = [label](QFont font, qreal points, const QString& text) {
                font.setPointSizeF(points);
                return QFontMetricsF(font, label).horizontalAdvance(text);
            };
            const ResultLabel::Drawn drawn = label->drawn();
            const qreal size = drawn.font.pointSizeF(), normal = label->font().pointSizeF();
            const bool shrunk = width(label->font(), normal, full) > room;
            EXPECT_LE(width(drawn.font, size, drawn.text), room);
            EXPECT_GE(size, ResultLabel::kFloorPoints);
            EXPECT_EQ(size < normal, shrunk);
            EXPECT_EQ(drawn.text != full,
                      width(label->font(), ResultLabel::kFloorPoints, full) > room);
            if (drawn.text != full) { // d.dd…e±NN: three digits at least, as many as fit
                const QRegularExpressionMatch parts =
                    QRegularExpression("^-?[1-9]" + QRegularExpression::escape(point) +
                                       "([0-9]{2,})e([+-][0-9]{2,})$")
                        .match(drawn.text);
                ASSERT_TRUE(parts.hasMatch()) << drawn.text.toStdString();
                const auto value = [&](QString text) {
                    return text.replace(point, ".").toDouble();
                };
                const double unit =
                    std::pow(10.0, parts.captured(2).toInt() - parts.capturedLength(1));
                EXPECT_NEAR(value(drawn.text), value(full), unit / 2 * (1 + 1e-9));
                EXPECT_GT(width(drawn.font, size, drawn.text + '0'), room);
            }
            EXPECT_EQ(label->toolTip() + label->accessibleDescription(), shrunk ? full + full : "");
            EXPECT_TRUE(form->reportText().contains("= " + full + " "));
            seen << (drawn.text != full ? "exponent" : shrunk ? "smaller" : "fits");
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
    type(num(Kind::Length, 0), "5");
    type(num(Kind::Length, 1), "3");
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

} // namespace
} // namespace quantell::test
