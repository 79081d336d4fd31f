#include "WindowFixture.h"

#include "engine/Conversion.h"

#include <QPlainTextEdit>
#include <QSet>

namespace quantell::test {
namespace {

const QColor kWhite(255, 255, 255), kGrey(204, 204, 204), kRed(255, 0, 0), kBlack(0, 0, 0);

QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}
QColor foreground(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

TEST_F(WindowTest, LayoutHas86NamedControlsWithUniqueTabIndexes) {
    EXPECT_EQ(form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 86);
    EXPECT_EQ(form->size(), QSize(747, 290));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    // Geometry in twips / 15, spot-checked where the columns differ.
    EXPECT_EQ(get<QWidget>("ComText")->geometry(), QRect(576, 8, 65, 25));
    EXPECT_EQ(unit(Kind::Weight, 1)->geometry(), QRect(504, 88, 41, 20));
    EXPECT_EQ(ans(Kind::Cubic, 6)->geometry(), QRect(296, 264, 73, 17));
    EXPECT_EQ(get<QWidget>("SUnitName(0)")->geometry(), QRect(240, 123, 33, 13));
    EXPECT_EQ(get<QWidget>("UnitName(1)")->geometry(), QRect(98, 149, 33, 13));
    EXPECT_EQ(get<QWidget>("OpCubic")->height(), 17);
    for (const Kind kind : kAllKinds)
        EXPECT_FALSE(ans(kind, 3)->accessibleName().isEmpty());
}

TEST_F(WindowTest, StartsWithZeroesLengthActiveAndFocusOnItsOption) {
    EXPECT_EQ(QApplication::focusWidget(), option(Kind::Length));
    EXPECT_EQ(form->windowTitle(), "Quantell - Length");
    EXPECT_TRUE(get<QPlainTextEdit>("RTBox")->toPlainText().isEmpty());
    EXPECT_EQ(button("ComText")->toolTip(), "長さの変換結果をテキスト化します");
    EXPECT_EQ(button("ComTxClear")->toolTip(), "テキストとクリップボードを消去します");
    for (const Kind kind : kAllKinds) {
        const bool active = kind == Kind::Length;
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(unit(kind, i)->count(), kUnitCount);
            EXPECT_EQ(num(kind, i)->text(), "0");
            EXPECT_EQ(num(kind, i)->isEnabled(), active);
            EXPECT_EQ(unit(kind, i)->isEnabled(), active);
        }
        EXPECT_EQ(unit(kind, 0)->currentIndex(), 1);
        EXPECT_EQ(unit(kind, 1)->currentIndex(), 0);
        for (int i = 0; i < kUnitCount; ++i) {
            const QString unitName =
                QString::fromUtf8(units(kind)[i].name.data(), units(kind)[i].name.size());
            EXPECT_EQ(unit(kind, 0)->itemText(i), unitName);
            EXPECT_EQ(unit(kind, 1)->itemText(i), unitName);
            EXPECT_EQ(get<QLabel>(name(kind, "UnitName", i))->text(), unitName);
            EXPECT_EQ(ans(kind, i)->text(), "0.0");
            EXPECT_EQ(background(ans(kind, i)), active ? kWhite : kGrey);
        }
        EXPECT_EQ(foreground(option(kind)), active ? kRed : kBlack);
    }
}

TEST_F(WindowTest, SwitchingKindsSetsLookCaptionTipAndFocus) {
    struct Row {
        Kind kind;
        const char* title;
        QColor titleColour;
        const char* tip;
    };
    const Row rows[] = {
        {Kind::Square, "Quantell - Square", QColor(255, 102, 0),
         "面積の変換結果をテキスト化します"},
        {Kind::Cubic, "Quantell - Cubic", QColor(0, 0, 255), "体積の変換結果をテキスト化します"},
        {Kind::Weight, "Quantell - Weight", QColor(0, 128, 0), "重さの変換結果をテキスト化します"},
        {Kind::Length, "Quantell - Length", QColor(0, 0, 0), "長さの変換結果をテキスト化します"},
    };
    for (const Row& row : rows) {
        selectKind(row.kind);
        EXPECT_EQ(form->windowTitle(), row.title);
        EXPECT_EQ(foreground(get<QLabel>("TitleLabel")), row.titleColour);
        EXPECT_EQ(button("ComText")->toolTip(), row.tip);
        EXPECT_EQ(QApplication::focusWidget(), num(row.kind, 0));
        EXPECT_EQ(num(row.kind, 0)->selectedText(), "0");
        for (const Kind kind : kAllKinds) {
            const bool active = kind == row.kind;
            EXPECT_EQ(num(kind, 1)->isEnabled(), active);
            EXPECT_EQ(unit(kind, 0)->isEnabled(), active);
            EXPECT_EQ(background(ans(kind, 0)), active ? kWhite : kGrey);
            EXPECT_EQ(foreground(option(kind)), active ? kRed : kBlack);
        }
    }
}

TEST_F(WindowTest, FirstUnitChoosesCompanionAndTermCount) {
    const std::pair<Kind, QSet<int>> companions[] = {{Kind::Length, {1, 2, 3, 5, 6}},
                                                     {Kind::Square, {1, 2, 3, 5, 6}},
                                                     {Kind::Cubic, {1, 3, 5, 6}},
                                                     {Kind::Weight, {1, 2, 5, 6}}};
    for (const auto& [kind, withCompanion] : companions) {
        selectKind(kind);
        num(kind, 1)->setText("7");
        for (int first = 0; first < kUnitCount; ++first) {
            const QString secondBefore = num(kind, 1)->text();
            chooseUnit(kind, first);
            const bool twoTerms = withCompanion.contains(first);
            ASSERT_EQ(unit(kind, 0)->currentIndex(), first);
            EXPECT_EQ(unit(kind, 1)->currentIndex(), twoTerms ? first - 1 : first);
            EXPECT_EQ(num(kind, 1)->isEnabled(), twoTerms);
            EXPECT_EQ(unit(kind, 1)->isEnabled(), twoTerms);
            // A disabled second input counts nothing and shows "0"; an enabled one keeps its text.
            EXPECT_EQ(num(kind, 1)->text(), twoTerms ? secondBefore : "0");
        }
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

TEST_F(WindowTest, EnterConvertsFromEitherInputAndReselectsTheFirst) {
    chooseUnit(Kind::Length, 5); // ft, with in
    type(num(Kind::Length, 0), "5");
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), num(Kind::Length, 0));
    EXPECT_EQ(num(Kind::Length, 0)->selectedText(), "5");
    QTest::keyClick(num(Kind::Length, 0), Qt::Key_Tab); // to the unit list
    QTest::keyClick(unit(Kind::Length, 0), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), num(Kind::Length, 1));
    EXPECT_EQ(num(Kind::Length, 1)->selectedText(), "0");
    QTest::keyClicks(num(Kind::Length, 1), "3");
    QTest::keyClick(num(Kind::Length, 1), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(results(Kind::Length),
              QStringList({"1600.2", "160.02", "1.6002", "0.0016", "63.0", "5.25", "1.75"}));
    EXPECT_EQ(QApplication::focusWidget(), num(Kind::Length, 0));
    EXPECT_EQ(results(Kind::Square), QStringList(kUnitCount, "0.0"));
}

TEST_F(WindowTest, EnterOnAButtonPressesThatButtonAndEscClearsOnlyTheCurrentKind) {
    type(num(Kind::Length, 0), "abc");
    button("ComClear")->setFocus();
    press(Qt::Key_Return); // ComClear takes Enter: nothing is converted
    EXPECT_EQ(num(Kind::Length, 0)->text(), "");
    EXPECT_EQ(ans(Kind::Length, 0)->text(), "");
    press(Qt::Key_Return);
    type(num(Kind::Length, 0), "12");
    unit(Kind::Length, 0)->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(ans(Kind::Length, 0)->text(), "120.0");
    EXPECT_EQ(num(Kind::Length, 1)->text(), "0");
    press(Qt::Key_Escape);
    EXPECT_EQ(num(Kind::Length, 0)->text(), "");
    EXPECT_EQ(num(Kind::Length, 1)->text(), "");
    EXPECT_EQ(results(Kind::Length), QStringList(kUnitCount, ""));
    EXPECT_EQ(results(Kind::Weight), QStringList(kUnitCount, "0.0"));
    EXPECT_EQ(unit(Kind::Length, 0)->currentIndex(), 1);
    press(Qt::Key_Return); // empty texts convert as zero
    EXPECT_EQ(num(Kind::Length, 0)->text(), "0");
    EXPECT_EQ(ans(Kind::Length, 6)->text(), "0.0");
}

TEST_F(WindowTest, TabCycleSkipsDisabledKinds) {
    selectKind(Kind::Weight);
    option(Kind::Weight)->setFocus(Qt::TabFocusReason);
    const QStringList expected{"WNum(0)", "WUnit(0)", "WNum(1)",    "ComChange", "ComClear",
                               "ComInfo", "ComQuit",  "WUnit(1)",   "ComText",   "ComNote",
                               "ComClip", "RTBox",    "ComTxClear", "OpWeight",  "WNum(0)"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        press(Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(WindowTest, OverflowWarnsEmptiesResultsAndKeepsInputs) {
    chooseUnit(Kind::Length, 3); // km
    type(num(Kind::Length, 0), "1e306");
    type(num(Kind::Length, 1), "abc");
    press(Qt::Key_Return);
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_EQ(results(Kind::Length), QStringList(kUnitCount, ""));
    EXPECT_EQ(num(Kind::Length, 0)->text(), "1e306");
    EXPECT_EQ(num(Kind::Length, 1)->text(), "abc");
    type(num(Kind::Length, 0), "2");
    press(Qt::Key_Return);
    EXPECT_EQ(ans(Kind::Length, 2)->text(), "2000.0");
    EXPECT_EQ(messenger.messages.size(), 1);
}

TEST_F(WindowTest, SwitchingBackKeepsAKindsState) {
    selectKind(Kind::Square);
    chooseUnit(Kind::Square, 0); // cm'2: one term
    selectKind(Kind::Cubic);
    selectKind(Kind::Square);
    // The kind's look enables both inputs; the second counts in the first unit until the next
    // unit choice.
    EXPECT_TRUE(num(Kind::Square, 1)->isEnabled());
    EXPECT_EQ(unit(Kind::Square, 1)->currentText(), "cm'2");
    type(num(Kind::Square, 1), "10000");
    press(Qt::Key_Return);
    EXPECT_EQ(ans(Kind::Square, 1)->text(), "1.0");
}

} // namespace
} // namespace quantell::test
