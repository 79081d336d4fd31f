#include "engine/AmountText.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace quantell {
namespace {

constexpr Separators kJapanese{".", ","};
constexpr Separators kDecimalComma{",", "."};

struct AmountRow {
    std::string_view text;
    std::optional<double> value; // nullopt: not an amount
    Separators separators = kJapanese;
};

const AmountRow kRows[] = {
    {"12", 12},
    {" \t-3.5  ", -3.5},
    {"+0.25", 0.25},
    {".5", 0.5},
    {"5.", 5},
    {"1,234,567.5", 1234567.5},
    {"1.234.567,5", 1234567.5, kDecimalComma},
    {"-0,75", -0.75, kDecimalComma},
    {"1e3", 1000},
    {"2.5E-3", 0.0025},
    {"1,000e+2", 100000},
    {"1.7976931348623157e308", DBL_MAX},
    {"1e-400", 0},
    {"0.00000001e-320", 0},
    // What a Japanese input method types counts as its ASCII form.
    {"\u3000１２３．５\u3000", 123.5},
    {"－１，０００", -1000},
    {"＋２ｅ３", 2000},
    {"４Ｅ－１", 0.4},
    {"\u22125", -5},
    {"１，５", 1.5, kDecimalComma},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"abc", std::nullopt},
    {"12abc", std::nullopt},
    {"1 000", std::nullopt},
    {",5", std::nullopt},
    {"1,,000", std::nullopt},
    {"1,000,", std::nullopt},
    {"1.000,5", std::nullopt},
    {"1.5.2", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"+", std::nullopt},
    {".", std::nullopt},
    {"1e", std::nullopt},
    {"e5", std::nullopt},
    {"1e5.0", std::nullopt},
    {"0x10", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"1e999", std::nullopt},
    {"-1e999", std::nullopt},
    {"0.001e400", std::nullopt},
    {"1.8e308", std::nullopt},
};

TEST(AmountText, AcceptsExactlyTheAmounts) {
    for (const AmountRow& row : kRows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(readAmount(row.text, row.separators), row.value);
    }
}

} // namespace
} // namespace quantell
