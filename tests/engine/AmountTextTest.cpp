#include "engine/AmountText.h"

#include <gtest/gtest.h>

namespace quantell {
namespace {

constexpr Separators kJapanese{".", ","};

using enum Amount::Reading;

struct AmountRow {
    std::string_view text;
    Amount amount;
    Separators separators = kJapanese;
};

const std::string k400Digits(400, '9');

const AmountRow kRows[] = {
    {" \t-3.5  ", {Number, -3.5}},
    {"+.5", {Number, 0.5}},
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
    {",5", {NoNumber}},
    {"1,000,", {NoNumber}},
    {"1.000,5", {NoNumber}},
    {"+-1", {NoNumber}},
    {"1e", {NoNumber}},
    {"1..2", {NoNumber}},
    {"1e309", {TooLarge}},
    {"-1e999", {TooLarge}},
    {"0.001e400", {TooLarge}},
    {k400Digits, {TooLarge}},
};

TEST(AmountText, AcceptsExactlyTheAmounts) {
    for (const AmountRow& row : kRows) {
        SCOPED_TRACE(row.text);
        const Amount amount = readAmount(row.text, row.separators);
        EXPECT_EQ(amount.reading, row.amount.reading);
        EXPECT_EQ(amount.value, row.amount.value);
    }
}

} // namespace
} // namespace quantell
