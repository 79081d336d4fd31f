#include "engine/AmountText.h"

#include <gtest/gtest.h>

namespace quantell {
namespace {

constexpr Separators kJapanese{".", ","};

struct AmountRow {
    std::string_view text;
    std::optional<double> value; // nullopt: not an amount
    Separators separators = kJapanese;
};

const AmountRow kRows[] = {
    {" \t-3.5  ", -3.5},
    {"+.5", 0.5},
    {"1,234,567.5", 1234567.5},
    {"1.234.567,5", 1234567.5, {",", "."}},
    {"1.7976931348623157e308", 1.7976931348623157e308}, // the largest double
    {"1e-400", 0},
    // What a Japanese input method types counts as its ASCII form; these rows use every one.
    {"\u3000１２３４５．６７８９０\u3000", 12345.6789},
    {"－１，０００", -1000},
    {"＋２ｅ３", 2000},
    {"４Ｅ－１", 0.4},
    {"\u22125", -5},
    {"", std::nullopt},
    {"12abc", std::nullopt},
    {",5", std::nullopt},
    {"1,000,", std::nullopt},
    {"1.000,5", std::nullopt},
    {"+-1", std::nullopt},
    {"1e", std::nullopt},
    {"1e999", std::nullopt},
    {"0.001e400", std::nullopt},
};

TEST(AmountText, AcceptsExactlyTheAmounts) {
    for (const AmountRow& row : kRows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(readAmount(row.text, row.separators), row.value);
    }
}

} // namespace
} // namespace quantell
