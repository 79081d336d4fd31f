#include "WindowFixture.h"

#include "engine/Conversion.h"

#include <QLocale>
#include <QRandomGenerator>

namespace quantell::test {
namespace {

// Thousands of random actions on a live window, with the window's rules checked after each.
class RandomSession : public WindowTest, public ::testing::WithParamInterface<quint32> {
protected:
    QRandomGenerator rng{GetParam()};

    Kind current() const {
        for (const Kind kind : kAllKinds)
            if (option(kind)->isChecked())
                return kind;
        ADD_FAILURE() << "no kind selected";
        return Kind::Length;
    }

    QString randomText() {
        static const QStringList pieces{
            "0",       "1",     "5",     "-",   "+",          ".",  ",",
            "e",       "E",     " ",     "９",  "．",         "－", "\u2212",
            "\u3000",  "1e308", "1e999", "abc", "\U0001F600", "\t", "99999999999999999999",
            "0.00001", "1,000"};
        QString text;
        const int count = rng.bounded(6);
        for (int i = 0; i < count; ++i)
            text += pieces[rng.bounded(pieces.size())];
        return text;
    }

    void checkKinds(Kind kind) {
        for (const Kind other : kAllKinds) {
            const bool active = other == kind;
            ASSERT_EQ(option(other)->isChecked(), active);
            ASSERT_EQ(num(other, 0)->isEnabled(), active);
            ASSERT_EQ(unit(other, 0)->isEnabled(), active);
        }
    }

    void checkCompanion(Kind kind) {
        const int first = unit(kind, 0)->currentIndex();
        ASSERT_EQ(unit(kind, 1)->currentIndex(), secondUnitFor(kind, first));
        ASSERT_EQ(num(kind, 1)->isEnabled(), units(kind)[first].hasCompanion);
    }

    // What the engine makes of the kind's controls as they stand.
    ConversionResult expected(Kind kind) const {
        const QLocale locale;
        const std::string point = locale.decimalPoint().toStdString();
        const std::string group = locale.groupSeparator().toStdString();
        const std::string first = num(kind, 0)->text().toStdString();
        const std::string second = num(kind, 1)->text().toStdString();
        return convert(kind,
                       {first, second, unit(kind, 0)->currentIndex(), unit(kind, 1)->currentIndex(),
                        num(kind, 1)->isEnabled()},
                       {point, group});
    }

    void checkResults(Kind kind, const ConversionResult& want) {
        ASSERT_EQ(num(kind, 0)->text().toStdString(), want.firstText);
        ASSERT_EQ(num(kind, 1)->text().toStdString(), want.secondText);
        for (int i = 0; i < kUnitCount; ++i)
            ASSERT_EQ(ans(kind, i)->text().toStdString(), want.results[i]);
    }

    void step() {
        const Kind kind = current();
        std::array<QStringList, 4> before;
        for (const Kind other : kAllKinds)
            before[static_cast<int>(other)] = results(other);
        switch (rng.bounded(7)) {
        case 0:
            type(num(kind, rng.bounded(2)), randomText());
            break;
        case 1:
            chooseUnit(kind, rng.bounded(kUnitCount));
            checkCompanion(kind);
            checkResults(kind, expected(kind));
            break;
        case 2:
            selectKind(kAllKinds[rng.bounded(4)]);
            break;
        case 3: {
            const ConversionResult want = expected(kind);
            const qsizetype warnings = messenger.messages.size();
            QLineEdit* box = num(kind, rng.bounded(2));
            (box->isEnabled() ? box : num(kind, 0))->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Return);
            checkResults(kind, want);
            ASSERT_EQ(messenger.messages.size(),
                      warnings + (want.outcome == Outcome::Overflow ? 1 : 0));
            break;
        }
        case 4:
            press(Qt::Key_Escape);
            ASSERT_EQ(results(kind), QStringList(kUnitCount, ""));
            break;
        case 5:
            press(Qt::Key_Tab);
            break;
        case 6:
            QTest::mouseClick(button("ComText"), Qt::LeftButton);
            break;
        }
        const Kind now = current();
        checkKinds(now);
        for (const Kind other : kAllKinds) {
            if (other != kind) {
                ASSERT_EQ(results(other), before[static_cast<int>(other)]);
            }
        }
    }
};

TEST_P(RandomSession, KeepsTheWindowsRules) {
    const int steps = qEnvironmentVariableIntValue("QUANTELL_RANDOM_STEPS");
    for (int i = 0; i < (steps > 0 ? steps : 2000); ++i) {
        SCOPED_TRACE(i);
        ASSERT_NO_FATAL_FAILURE(step());
    }
}

// Five seeds always; QUANTELL_RANDOM_SEEDS=n runs n more, from the clock.
std::vector<quint32> seeds() {
    std::vector<quint32> list{1, 2, 3, 4, 5};
    for (int i = 0; i < qEnvironmentVariableIntValue("QUANTELL_RANDOM_SEEDS"); ++i)
        list.push_back(QRandomGenerator::global()->generate());
    return list;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::ValuesIn(seeds()));

} // namespace
} // namespace quantell::test
