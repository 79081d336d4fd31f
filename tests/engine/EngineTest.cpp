// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "engine/Conversion.h"

#include <gtest/gtest.h>

#include <charconv>

namespace quantell {
namespace {

using enum Kind;

// One row: what the engine made of an input, written out, and what it should make of it.
struct Row {
    std::string made;
    std::string_view expected;
};

class Engine : public ::testing::TestWithParam<Row> {};

TEST_P(Engine, MakesWhatItShould) {
    EXPECT_EQ(GetParam().made, GetParam().expected);
}

// An amount as "-3.5", or "no number 0", "too large 0": the reading and the value it counts as.
Row amount(std::string_view text, std::string_view expected, Separators separators = {}) {
    const Amount read = readAmount(text, separators);
    const char* readings[] = {"no number ", "", "too large "};
    char value[32];
    return {readings[read.reading] +
                std::string(value, std::to_chars(value, value + 32, read.value).ptr),
            expected};
}

const Row kAmounts[] = {
    amount(" \t-3.5  ", "-3.5"),
    amount("1,234,567.5", "1234567.5"),
    amount("1.234.567,5", "1234567.5", {",", "."}),
    amount("1.7976931348623157e308", "1.7976931348623157e+308"), // the largest double
    amount("1e-400", "0"),
    // What a Japanese input method types counts as its ASCII form; these rows use every one.
    amount("\u3000１２３４５．６７８９０\u3000", "12345.6789"),
    amount("－１，０００", "-1000"),
    amount("＋２ｅ３", "2000"),
    amount("４Ｅ－１", "0.4"),
    amount("\u22125", "-5"),
    amount("", "no number 0"),
    amount("12abc", "no number 0"),
    amount("1,000,", "no number 0"),
    amount("1.000,5", "no number 0"),
    amount("1e", "no number 0"),
    amount("1..2", "no number 0"),
    amount("-1e309", "too large 0"),
    amount("0.001e400", "too large 0"),
    amount(std::string(400, '9'), "too large 0"),
};
INSTANTIATE_TEST_SUITE_P(Amounts, Engine, ::testing::ValuesIn(kAmounts));

// The two texts afterwards | the results, or why there are none.
Row conversion(Kind kind, ConversionInput input, std::string_view expected,
               Separators separators = {}) {
    const ConversionResult result = convert(kind, input, separators);
    std::string shown = result.firstText + " " + result.secondText + " |";
    if (result.outcome != Outcome::Converted)
        shown += result.outcome == Outcome::Overflow ? " overflow" : " no such unit";
    for (const std::string& text : result.results)
        shown += text.empty() ? "" : " " + text;
    return {shown, expected};
}

const Row kConversions[] = {
    conversion(Length, {"5", "3", 5, 4}, "5 3 | 1600.2 160.02 1.6002 0.0016 63.0 5.25 1.75"),
    // A term keeps its 15th significant digit.
    conversion(Length, {"123456789.012345", "0", 3, 2},
               "123456789.012345 0 | 123456789012345.0 12345678901234.5 123456789012.345 "
               "123456789.0123 4860503504423.03 405041958701.919 135013986233.973"),
    conversion(Weight, {"1", "0", 6, 5}, "1 0 | 453592.0 453.592 0.4536 6999.8765 256.0 16.0 1.0"),
    conversion(Cubic, {"1", "0", 3, 2}, "1 0 | 1000.0 0.001 10.0 1.0 61.0237 0.0353 0.0013"),
    conversion(Square, {"1", "0", 5, 4}, "1 0 | 929.0304 0.0929 0.0009 0.0 144.0 1.0 0.1111"),
    conversion(Length, {"1..2", "-1", 3, 2},
               "0 -1 | -1000.0 -100.0 -1.0 -0.001 -39.3701 -3.2808 -1.0936"),
    // A disabled second input adds nothing and reads "0", whatever it holds.
    conversion(Weight, {"1", "1e309", 3, 3, false},
               "1 0 | 64.8 0.0648 0.0001 1.0 0.0366 0.0023 0.0001"),
    conversion(Length, {"1,5", "0,5", 0, 0}, "1,5 0,5 | 2,0 0,2 0,002 0,0 0,0787 0,0066 0,0022",
               {",", "."}),
    // Overflow of an amount, of a term, of a result, and of a term's 15-digit rounding
    // (1.79769313486232e308); the texts stay as they were, even empty ones and no numbers.
    conversion(Length, {"1e309", "", 3, 2}, "1e309  | overflow"),
    conversion(Weight, {"abc", "-1e309", 6, 5}, "abc -1e309 | overflow"),
    conversion(Length, {"1.7e308", "abc", 3, 2}, "1.7e308 abc | overflow"),
    conversion(Weight, {"1.7976931348623157e308", "x", 1, 1, false},
               "1.7976931348623157e308 x | overflow"),
    conversion(Square, {"abc", "abc", -1, 0}, "abc abc | no such unit"),
    conversion(Cubic, {"1", "", 0, 7}, "1  | no such unit"),
};
INSTANTIATE_TEST_SUITE_P(Conversions, Engine, ::testing::ValuesIn(kConversions));

Row format(double value, std::string_view expected, std::string_view decimalPoint = ".") {
    return {formatResult(value, decimalPoint), expected};
}

const Row kFormats[] = {
    format(0.99996, "1.0"),
    format(-2.54e-05, "0.0"),
    format(1e-300, "0.0"),
    // No more than the 15 significant digits a double holds: four decimals below 1e11, the 15th
    // digit's place from there, zeros up to the units place from 1e15.
    format(99999999999.99996, "100000000000.0"),
    format(-100000000000.0004, "-100000000000,0", ","),
    format(104737776551.1704, "104737776551.17"),
    format(999999999999999.4, "999999999999999.0"),
    format(999999999999999.875, "1000000000000000.0"),
    format(-1234567890123456789.0, "-1234567890123460000,0", ","),
};
INSTANTIATE_TEST_SUITE_P(Results, Engine, ::testing::ValuesIn(kFormats));

Row exponent(std::string_view result, int digits, std::string_view expected) {
    return {exponentForm(result, digits), expected};
}

const Row kExponentForms[] = {
    exponent("1000000000000000000000000000000000000.0", 7, "1.000000e+36"),
    exponent("-39370078740157.4803", 3, "-3.94e+13"),
    exponent("999999999999999000000000000000.0", 4, "1.000e+30"), // the carry runs through every 9
    exponent("1234565,0", 6, "1,23457e+06"), // a 5 next rounds up, in the result's own point
    exponent("0.0123", 5, "1.2300e-02"),
    exponent("123456789.0", 1, "1.23e+08"), // never fewer than three digits
    exponent("0.0", 3, "0.00e+00"),
};
INSTANTIATE_TEST_SUITE_P(ExponentForms, Engine, ::testing::ValuesIn(kExponentForms));

} // namespace
} // namespace quantell
