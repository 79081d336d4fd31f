#include "engine/Conversion.h"

#include <gtest/gtest.h>

namespace quantell {
namespace {

using enum Kind;

constexpr Separators kJapanese{".", ","};

struct ConversionRow {
    Kind kind;
    ConversionInput input;
    std::string_view shown; // the two texts afterwards | the results, or why there are none
    Separators separators = kJapanese;
};

const ConversionRow kRows[] = {
    {Length, {"5", "3", 5, 4}, "5 3 | 1600.2 160.02 1.6002 0.0016 63.0 5.25 1.75"},
    {Weight, {"1", "0", 6, 5}, "1 0 | 453592.0 453.592 0.4536 6999.8765 256.0 16.0 1.0"},
    {Cubic, {"1", "0", 3, 2}, "1 0 | 1000.0 0.001 10.0 1.0 61.0237 0.0353 0.0013"},
    {Square, {"1", "0", 5, 4}, "1 0 | 929.0304 0.0929 0.0009 0.0 144.0 1.0 0.1111"},
    {Length, {"1..2", "-1", 3, 2}, "0 -1 | -1000.0 -100.0 -1.0 -0.001 -39.3701 -3.2808 -1.0936"},
    // A disabled second input adds nothing and reads "0", whatever it holds.
    {Weight, {"1", "2", 3, 3, false}, "1 0 | 64.8 0.0648 0.0001 1.0 0.0366 0.0023 0.0001"},
    {Weight, {"1", "1e309", 3, 3, false}, "1 0 | 64.8 0.0648 0.0001 1.0 0.0366 0.0023 0.0001"},
    {Length, {"1,5", "0,5", 0, 0}, "1,5 0,5 | 2,0 0,2 0,002 0,0 0,0787 0,0066 0,0022", {",", "."}},
    // Overflow of an amount, of a term, of a result, and of a term's 15-digit rounding
    // (1.79769313486232e308); the texts stay as they were, even empty ones and no numbers.
    {Length, {"1e309", "", 3, 2}, "1e309  | overflow"},
    {Weight, {"abc", "-1e309", 6, 5}, "abc -1e309 | overflow"},
    {Length, {"1.7e308", "abc", 3, 2}, "1.7e308 abc | overflow"},
    {Length, {"1e308", "", 2, 1}, "1e308  | overflow"},
    {Weight, {"1.7976931348623157e308", "x", 1, 1, false}, "1.7976931348623157e308 x | overflow"},
    {Square, {"abc", "abc", -1, 0}, "abc abc | no such unit"},
    {Cubic, {"1", "", 0, 7}, "1  | no such unit"},
};

TEST(Conversion, ConvertsOrLeavesTheTextsAndShowsNoResult) {
    for (const ConversionRow& row : kRows) {
        const ConversionResult result = convert(row.kind, row.input, row.separators);
        std::string shown = result.firstText + " " + result.secondText + " |";
        if (result.outcome != Outcome::Converted)
            shown += result.outcome == Outcome::Overflow ? " overflow" : " no such unit";
        for (const std::string& text : result.results)
            shown += text.empty() ? "" : " " + text;
        EXPECT_EQ(shown, row.shown);
    }
}

struct FormatRow {
    double value;
    std::string_view text;
    std::string_view decimalPoint = ".";
};

const FormatRow kFormats[] = {
    {0.99996, "1.0"},
    {-2.54e-05, "0.0"},
    {1e-300, "0.0"},
    {999999999999999.875, "999999999999999.875"},
    {-1234567890123456789.0, "-1234567890123460000,0", ","},
};

TEST(Conversion, FormatsResults) {
    for (const FormatRow& row : kFormats)
        EXPECT_EQ(formatResult(row.value, row.decimalPoint), row.text) << row.value;
}

} // namespace
} // namespace quantell
