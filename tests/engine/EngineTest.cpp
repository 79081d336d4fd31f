#include "engine/Conversion.h"

#include <gtest/gtest.h>

namespace quantell {
namespace {

using enum Kind;
using enum Amount::Reading;

constexpr Separators kJapanese{".", ","};

struct AmountRow {
    std::string_view text;
    Amount amount;
    Separators separators = kJapanese;
};

const std::string k400Digits(400, '9');

const AmountRow kAmounts[] = {
    {" \t-3.5  ", {Number, -3.5}},
    {"1,234,567.5", {Number, 1234567.5}},
    {"1.234.567,5", {Number, 1234567.5}, {",", "."}},
    {"1.7976931348623157e308", {Number, 1.7976931348623157e308}}, // the largest double
    {"1e-400", {Number, 0}},
    // What a Japanese input method types counts as its ASCII form; these rows use every one.
    {"\u3000１２３４５．６７８９０\u3000", {Number, 12345.6789}},
    {"－１，０００", {Number, -1000}},
    {"＋２ｅ３", {Number, 2000}},
    {"４Ｅ－１", {Number, 0.4}},
    {"\u22125", {Number, -5}},
    {"", {NoNumber}},
    {"12abc", {NoNumber}},
    {"1,000,", {NoNumber}},
    {"1.000,5", {NoNumber}},
    {"1e", {NoNumber}},
    {"1..2", {NoNumber}},
    {"-1e309", {TooLarge}},
    {"0.001e400", {TooLarge}},
    {k400Digits, {TooLarge}},
};

TEST(AmountText, AcceptsExactlyTheAmounts) {
    for (const AmountRow& row : kAmounts) {
        SCOPED_TRACE(row.text);
        const Amount amount = readAmount(row.text, row.separators);
        EXPECT_EQ(amount.reading, row.amount.reading);
        EXPECT_EQ(amount.value, row.amount.value);
    }
}

struct ConversionRow {
    Kind kind;
    ConversionInput input;
    std::string_view shown; // the two texts afterwards | the results, or why there are none
    Separators separators = kJapanese;
};

const ConversionRow kConversions[] = {
    {Length, {"5", "3", 5, 4}, "5 3 | 1600.2 160.02 1.6002 0.0016 63.0 5.25 1.75"},
    // A term keeps its 15th significant digit.
    {Length,
     {"123456789.012345", "0", 3, 2},
     "123456789.012345 0 | 123456789012345.0 12345678901234.5 123456789012.345 "
     "123456789.0123 4860503504423.03 405041958701.919 135013986233.973"},
    {Weight, {"1", "0", 6, 5}, "1 0 | 453592.0 453.592 0.4536 6999.8765 256.0 16.0 1.0"},
    {Cubic, {"1", "0", 3, 2}, "1 0 | 1000.0 0.001 10.0 1.0 61.0237 0.0353 0.0013"},
    {Square, {"1", "0", 5, 4}, "1 0 | 929.0304 0.0929 0.0009 0.0 144.0 1.0 0.1111"},
    {Length, {"1..2", "-1", 3, 2}, "0 -1 | -1000.0 -100.0 -1.0 -0.001 -39.3701 -3.2808 -1.0936"},
    // A disabled second input adds nothing and reads "0", whatever it holds.
    {Weight, {"1", "1e309", 3, 3, false}, "1 0 | 64.8 0.0648 0.0001 1.0 0.0366 0.0023 0.0001"},
    {Length, {"1,5", "0,5", 0, 0}, "1,5 0,5 | 2,0 0,2 0,002 0,0 0,0787 0,0066 0,0022", {",", "."}},
    // Overflow of an amount, of a term, of a result, and of a term's 15-digit rounding
    // (1.79769313486232e308); the texts stay as they were, even empty ones and no numbers.
    {Length, {"1e309", "", 3, 2}, "1e309  | overflow"},
    {Weight, {"abc", "-1e309", 6, 5}, "abc -1e309 | overflow"},
    {Length, {"1.7e308", "abc", 3, 2}, "1.7e308 abc | overflow"},
    {Weight, {"1.7976931348623157e308", "x", 1, 1, false}, "1.7976931348623157e308 x | overflow"},
    {Square, {"abc", "abc", -1, 0}, "abc abc | no such unit"},
    {Cubic, {"1", "", 0, 7}, "1  | no such unit"},
};

TEST(Conversion, ConvertsOrLeavesTheTextsAndShowsNoResult) {
    for (const ConversionRow& row : kConversions) {
        SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(row.kind) << ": "
                                          << row.input.firstText << " | " << row.input.secondText);
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
    // No more than the 15 significant digits a double holds: four decimals below 1e11, the 15th
    // digit's place from there, zeros up to the units place from 1e15.
    {99999999999.99996, "100000000000.0"},
    {-100000000000.0004, "-100000000000,0", ","},
    {104737776551.1704, "104737776551.17"},
    {999999999999999.4, "999999999999999.0"},
    {999999999999999.875, "1000000000000000.0"},
    {-1234567890123456789.0, "-1234567890123460000,0", ","},
};

TEST(Conversion, FormatsResults) {
    for (const FormatRow& row : kFormats) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(formatResult(row.value, row.decimalPoint), row.text);
    }
}

struct ExponentRow {
    std::string_view result;
    int digits;
    std::string_view form;
};

const ExponentRow kExponentForms[] = {
    {"1000000000000000000000000000000000000.0", 7, "1.000000e+36"},
    {"-39370078740157.4803", 3, "-3.94e+13"},
    {"999999999999999000000000000000.0", 4, "1.000e+30"}, // the carry runs through every 9
    {"1234567,5", 6, "1,23457e+06"},                      // half up, in the result's own point
    {"0.0123", 5, "1.2300e-02"},
    {"123456789.0", 1, "1.23e+08"}, // never fewer than three digits
    {"0.0", 3, "0.00e+00"},
};

TEST(Conversion, RoundsLongResultsInExponentForm) {
    for (const ExponentRow& row : kExponentForms) {
        SCOPED_TRACE(row.result);
        EXPECT_EQ(exponentForm(row.result, row.digits), row.form);
    }
}

} // namespace
} // namespace quantell
