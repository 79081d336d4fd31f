#include "WindowFixture.h"

#include "mainwindow/ResultLabel.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QPlainTextEdit>

namespace quantell::test {
namespace {

const QColor kWhite(255, 255, 255), kGrey(204, 204, 204), kRed(255, 0, 0), kBlack(0, 0, 0);

QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}
QColor foreground(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

TEST_F(WindowTest, IsAFixedWindowOf86ControlsLaidOutInTwips) {
    EXPECT_EQ(form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 86);
    EXPECT_EQ(form->minimumSize(), QSize(747, 290));
    EXPECT_EQ(form->maximumSize(), QSize(747, 290));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(get<QPushButton>("ComText")->geometry(), QRect(576, 8, 65, 25));
    EXPECT_EQ(get("SUnitName(0)")->geometry(), QRect(240, 123, 33, 13));
    EXPECT_EQ(ans(Kind::Weight, 3)->accessibleName(), "重さの結果（grain）");
}

// Only the current kind takes input; its results are white and its option caption red.
void expectCurrentLook(const WindowTest& window, Kind current) {
    for (const Kind kind : kAllKinds) {
        const bool active = kind == current;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(window.num(kind, i)->isEnabled(), active);
            EXPECT_EQ(window.unit(kind, i)->isEnabled(), active);
        }
        EXPECT_EQ(background(window.ans(kind, 6)), active ? kWhite : kGrey);
        EXPECT_EQ(foreground(window.option(kind)), active ? kRed : kBlack);
    }
}

TEST_F(WindowTest, StartsWithZeroesEverywhereAndLengthCurrent) {
    EXPECT_EQ(QApplication::focusWidget(), option(Kind::Length));
    EXPECT_EQ(form->windowTitle(), "Quantell - Length");
    EXPECT_TRUE(get<QPlainTextEdit>("RTBox")->toPlainText().isEmpty());
    EXPECT_EQ(get("ComText")->toolTip(), "長さの変換結果をテキスト化します");
    EXPECT_EQ(get("ComTxClear")->toolTip(), "テキストとクリップボードを消去します");
    expectCurrentLook(*this, Kind::Length);
    for (const Kind kind : kAllKinds) {
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(unit(kind, i)->count(), kUnitCount);
            EXPECT_EQ(num(kind, i)->text(), "0");
            EXPECT_EQ(unit(kind, i)->currentIndex(), 1 - i);
        }
        for (int i = 0; i < kUnitCount; ++i) {
            const std::string_view name = units(kind)[i].name;
            EXPECT_EQ(unit(kind, 1)->itemText(i).toStdString(), name);
            EXPECT_EQ(get<QLabel>(kind, "UnitName", i)->text().toStdString(), name);
            EXPECT_EQ(ans(kind, i)->text(), "0.0");
        }
    }
}

TEST_F(WindowTest, SwitchingKindsSetsLookCaptionTipAndFocus) {
    const std::tuple<Kind, const char*, QColor, const char*> rows[] = {
        {Kind::Square, "Quantell - Square", QColor(255, 102, 0),
         "面積の変換結果をテキスト化します"},
        {Kind::Cubic, "Quantell - Cubic", QColor(0, 0, 255), "体積の変換結果をテキスト化します"},
        {Kind::Weight, "Quantell - Weight", QColor(0, 128, 0), "重さの変換結果をテキスト化します"},
        {Kind::Length, "Quantell - Length", QColor(0, 0, 0), "長さの変換結果をテキスト化します"},
    };
    for (const auto& [kind, title, titleColour, tip] : rows) {
        selectKind(kind);
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(foreground(get("TitleLabel")), titleColour);
        EXPECT_EQ(get("ComText")->toolTip(), tip);
        EXPECT_EQ(QApplication::focusWidget(), num(kind, 0));
        EXPECT_EQ(num(kind, 0)->selectedText(), "0");
        expectCurrentLook(*this, kind);
    }
}

TEST_F(WindowTest, SecondListIsLockedAgainstTheUser) {
    QComboBox* second = unit(Kind::Length, 1);
    second->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Space, Qt::Key_F4})
        QTest::keyClick(second, key);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(second->currentIndex(), 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// The worked conversion itself goes through Enter in the report tests.
TEST_F(WindowTest, EnterInTheSecondInputConvertsAndReselectsTheFirst) {
    type(num(Kind::Length, 0), "5");
    type(num(Kind::Length, 1), "3");
    QTest::keyClick(num(Kind::Length, 1), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ans(Kind::Length, 0)->text(), "53.0"); // 5 cm + 3 mm
    EXPECT_EQ(QApplication::focusWidget(), num(Kind::Length, 0));
    EXPECT_EQ(num(Kind::Length, 0)->selectedText(), "5");
}

TEST_F(WindowTest, FocusedButtonTakesEnterAndEscClearsOnlyTheCurrentKind) {
    type(num(Kind::Length, 0), "12");
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

TEST_F(WindowTest, ArrowKeysSelectTheNextKindRoundTheGroup) {
    option(Kind::Length)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Left);
    EXPECT_TRUE(option(Kind::Weight)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), num(Kind::Weight, 0));
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

// A term that leaves the double range, or an amount already beyond it, typed or pasted.
TEST_F(WindowTest, OverflowWarnsEmptiesResultsAndKeepsInputs) {
    const struct {
        QString first, second;
        bool pasted = false;
    } rows[] = {
        {"1e306", "abc"},
        {"1e309", "abc"},
        {"1", QString(400, u'9')},
        {QString(30000, u'9'), "-5", true},
    };
    chooseUnit(Kind::Length, 3); // km
    for (const auto& row : rows) {
        SCOPED_TRACE((row.first.left(10) + " " + row.second.left(10)).toStdString());
        const qsizetype warnings = messenger.messages.size();
        if (row.pasted) {
            QApplication::clipboard()->setText(row.first);
            num(Kind::Length, 0)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(num(Kind::Length, 0), Qt::Key_V, Qt::ControlModifier);
        } else {
            type(num(Kind::Length, 0), row.first);
        }
        type(num(Kind::Length, 1), row.second);
        press(Qt::Key_Return);
        ASSERT_EQ(messenger.messages.size(), warnings + 1);
        EXPECT_EQ(messenger.messages.last(), messenger.messages.first());
        EXPECT_EQ(results(Kind::Length), QStringList(kUnitCount, ""));
        EXPECT_EQ(num(Kind::Length, 0)->text(), row.first);
        EXPECT_EQ(num(Kind::Length, 1)->text(), row.second);
    }
}

// A result never loses its start to the box's edge: it is drawn smaller, and beyond the floor
// size as a mark and its end; the tool tip, screen readers and the report get all of it.
TEST_F(WindowTest, LongResultsShrinkThenKeepTheirEndBehindAMark) {
    const std::tuple<Kind, int, const char*> rows[] = {
        {Kind::Weight, 2, "1000"},  // kg: 1000000000.0 mg
        {Kind::Cubic, 1, "1000"},   // m'3: 1000000000.0 cm'3
        {Kind::Length, 3, "10000"}, // km: 393700787.4016 in
        {Kind::Length, 2, "1e20"},  // m: 26 characters in mm
        {Kind::Length, 3, "-1e30"}, // km: 40 characters in mm
    };
    int shrunk = 0, marked = 0;
    for (const auto& [kind, first, amount] : rows) {
        selectKind(kind);
        chooseUnit(kind, first);
        type(num(kind, 0), amount);
        press(Qt::Key_Return);
        click("ComText");
        for (int i = 0; i < kUnitCount; ++i) {
            const auto* label = qobject_cast<ResultLabel*>(ans(kind, i));
            ASSERT_NE(label, nullptr);
            const QString full = label->text();
            SCOPED_TRACE(full.toStdString());
            const auto width = [label](const QFont& font, const QString& text) {
                return QFontMetricsF(font, label).horizontalAdvance(text);
            };
            // QLabel keeps half an 'x' clear of the frame on the right.
            const qreal room =
                label->contentsRect().width() - label->fontMetrics().horizontalAdvance(u'x') / 2;
            QFont floor = label->font();
            floor.setPointSizeF(ResultLabel::kFloorPoints);
            const bool fits = width(label->font(), full) <= room;
            const bool mark = width(floor, full) > room;
            const ResultLabel::Drawn drawn = label->drawn();
            EXPECT_LE(width(drawn.font, drawn.text), room);
            EXPECT_GE(drawn.font.pointSizeF(), ResultLabel::kFloorPoints);
            const QString sign = full.startsWith('-') ? "-…" : "…";
            const QString end = full.right(drawn.text.size() - sign.size());
            EXPECT_EQ(drawn.text.toStdString(), (mark ? sign + end : full).toStdString());
            EXPECT_TRUE(!fits || drawn.font == label->font());
            EXPECT_EQ(label->toolTip(), full);
            EXPECT_EQ(label->accessibleDescription(), full);
            const QString unitName = get<QLabel>(kind, "UnitName", i)->text();
            EXPECT_TRUE(form->reportText().contains("= " + full + " " + unitName + "\r\n"));
            shrunk += !fits && !mark;
            marked += mark;
        }
    }
    EXPECT_GT(shrunk, 0);
    EXPECT_GT(marked, 0);
}

} // namespace
} // namespace quantell::test
