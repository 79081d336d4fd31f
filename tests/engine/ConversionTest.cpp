#include "engine/Conversion.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

namespace quantell {
namespace {

constexpr Separators kJapanese{".", ","};

struct ConversionRow {
    Kind kind;
    ConversionInput input;
    std::string_view shown; // the two input texts afterwards | the seven results
    Separators separators = kJapanese;
};

const ConversionRow kConverted[] = {
    {Kind::Length, {"5", "3", 5, 4}, "5 3 | 1600.2 160.02 1.6002 0.0016 63.0 5.25 1.75"},
    {Kind::Length, {"1", "0", 5, 4}, "1 0 | 304.8 30.48 0.3048 0.0003 12.0 1.0 0.3333"},
    {Kind::Length, {"-1", "0", 2, 1}, "-1 0 | -1000.0 -100.0 -1.0 -0.001 -39.3701 -3.2808 -1.0936"},
    // The kilometres round away, and a negative zero reads as a plain one.
    {Kind::Length, {"-1", "7", 0, 0, false}, "-1 0 | -1.0 -0.1 -0.001 0.0 -0.0394 -0.0033 -0.0011"},
    {Kind::Length, {"", "abc", 2, 1}, "0 0 | 0.0 0.0 0.0 0.0 0.0 0.0 0.0"},
    {Kind::Square, {"1", "0", 5, 4}, "1 0 | 929.0304 0.0929 0.0009 0.0 144.0 1.0 0.1111"},
    {Kind::Square,
     {"2.5", "abc", 2, 1},
     "2.5 0 | 2500000.0 250.0 2.5 0.0003 387500.775 2690.9776 298.9975"},
    {Kind::Cubic, {"1", "0", 3, 2}, "1 0 | 1000.0 0.001 10.0 1.0 61.0237 0.0353 0.0013"},
    {Kind::Cubic, {"1", "5", 2, 2, false}, "1 0 | 100.0 0.0001 1.0 0.1 6.1024 0.0035 0.0001"},
    {Kind::Cubic,
     {"1", "500", 1, 0},
     "1 500 | 1000500.0 1.0005 10005.0 1000.5 61054.256 35.3323 1.3086"},
    {Kind::Weight, {"1", "0", 6, 5}, "1 0 | 453592.0 453.592 0.4536 6999.8765 256.0 16.0 1.0"},
    // A disabled second input adds nothing in Weight too.
    {Kind::Weight, {"1", "2", 3, 3, false}, "1 0 | 64.8 0.0648 0.0001 1.0 0.0366 0.0023 0.0001"},
    {Kind::Weight,
     {"1,5", "250", 2, 1},
     "1,5 250 | 1750000,0 1750,0 1,75 27006,1728 987,6717 61,7295 3,8581",
     {",", "."}},
};

TEST(Conversion, ConvertsBothTermsIntoAllUnits) {
    for (const ConversionRow& row : kConverted) {
        const ConversionResult result = convert(row.kind, row.input, row.separators);
        EXPECT_EQ(result.outcome, Outcome::Converted) << row.shown;
        std::string shown = result.firstText + " " + result.secondText + " |";
        for (const std::string& text : result.results)
            shown += " " + text;
        EXPECT_EQ(shown, row.shown);
    }
}

struct FailureRow {
    Kind kind;
    ConversionInput input;
    Outcome outcome;
};

const FailureRow kFailures[] = {
    {Kind::Length, {"1.7e308", "abc", 3, 2}, Outcome::Overflow}, // the first term
    {Kind::Length, {"-1.7e308", "", 3, 2}, Outcome::Overflow},
    {Kind::Length, {"1", "1.7e308", 2, 3}, Outcome::Overflow},       // the second term
    {Kind::Length, {"1.7e308", "1.7e308", 2, 2}, Outcome::Overflow}, // the total
    {Kind::Length, {"1e308", "abc", 2, 1}, Outcome::Overflow},       // the millimetres
    // The term's 15-digit rounding, 1.79769313486232e308, is beyond the largest double.
    {Kind::Weight, {"1.7976931348623157e308", "x", 1, 1, false}, Outcome::Overflow},
    {Kind::Cubic, {"1e303", "abc", 1, 0}, Outcome::Overflow},
    {Kind::Length, {"abc", "abc", -1, 0}, Outcome::NoSuchUnit},
    {Kind::Square, {"abc", "abc", 7, 6}, Outcome::NoSuchUnit},
    {Kind::Cubic, {"abc", "abc", 1, -1}, Outcome::NoSuchUnit},
    {Kind::Weight, {"abc", "abc", 0, 7, false}, Outcome::NoSuchUnit},
    {Kind::Weight, {"abc", "abc", INT_MIN, INT_MAX}, Outcome::NoSuchUnit},
};

TEST(Conversion, FailureLeavesTheTextsAndShowsNoResult) {
    for (const FailureRow& row : kFailures) {
        SCOPED_TRACE(testing::Message() << row.input.firstText << " unit " << row.input.firstUnit);
        const ConversionResult result = convert(row.kind, row.input, kJapanese);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.firstText, row.input.firstText);
        EXPECT_EQ(result.secondText, row.input.secondText);
        EXPECT_EQ(result.results, (std::array<std::string, kUnitCount>{}));
    }
}

TEST(Conversion, RoundsTermsTo15Digits) {
    EXPECT_EQ(roundTo15Digits(0.30479999999999996), 0.3048);
    EXPECT_EQ(roundTo15Digits(0.1 + 0.2), 0.3);
    EXPECT_EQ(roundTo15Digits(-123456789012345678.0), -123456789012346000.0);
    EXPECT_EQ(roundTo15Digits(1e-320), 1e-320);
    EXPECT_EQ(roundTo15Digits(DBL_MAX), std::nullopt);
    EXPECT_EQ(roundTo15Digits(HUGE_VAL), std::nullopt);
    EXPECT_EQ(roundTo15Digits(std::nan("")), std::nullopt);
}

struct FormatRow {
    double value;
    std::string_view text;
    std::string_view decimalPoint = ".";
};

const FormatRow kFormats[] = {
    {1000, "1000.0"},
    {0.3048, "0.3048"},
    {12.000000000000002, "12.0"},
    {0.33333333333333337, "0.3333"},
    {6999.876543209877, "6999.8765"},
    {-39.37007874015748, "-39.3701"},
    {0.99996, "1.0"},
    {-2.00004, "-2.0"},
    {2.54e-05, "0.0"},
    {-2.54e-05, "0.0"},
    {-0.0, "0.0"},
    {1e-300, "0.0"},
    {999999999999999.875, "999999999999999.875"},
    {1e15, "1000000000000000.0"},
    {1234567890123456789.0, "1234567890123460000.0"},
    {-1234567890123456789.0, "-1234567890123460000.0"},
    {9999999999999998.0, "10000000000000000.0"},
    {1.5, "1,5", ","},
    {-1e20, "-100000000000000000000,0", ","},
};

TEST(Conversion, FormatsResults) {
    for (const FormatRow& row : kFormats)
        EXPECT_EQ(formatResult(row.value, row.decimalPoint), row.text) << row.value;
}

} // namespace
} // namespace quantell
