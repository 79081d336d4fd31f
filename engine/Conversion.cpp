// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace quantell {

namespace {
// A term rounded to 15 significant decimal digits; nullopt once it is not finite.
std::optional<double> roundTo15Digits(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double rounded = 0;
    const auto read = std::from_chars(buffer, written.ptr, rounded);
    if (read.ec != std::errc() || !std::isfinite(rounded))
        return std::nullopt;
    return rounded;
}
} // namespace

std::string formatResult(double value, std::string_view decimalPoint) {
    // Below this, four decimals end at the 15th significant digit at the latest; from here they
    // would pass it, and the double holds no more.
    constexpr double kFifteenDigitLimit = 1e11;
    char buffer[64];
    const bool fifteenDigits = std::fabs(value) >= kFifteenDigitLimit;
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value,
                      fifteenDigits ? std::chars_format::scientific : std::chars_format::fixed,
                      fifteenDigits ? 14 : 4);
    std::string text(buffer, written.ptr);
    if (fifteenDigits) {
        // -d.dddddddddddddde+XX: the 15 digits, then zeros up to the units place and one more.
        const std::size_t e = text.find('e');
        std::size_t exponent = 0;
        std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
        text.erase(e).erase(text.find('.'), 1);
        const std::size_t point = (value < 0) + exponent + 1;
        text.resize(std::max(text.size(), point + 1), '0');
        text.insert(point, 1, '.');
    }
    while (text.ends_with('0') && text[text.size() - 2] != '.')
        text.pop_back();
    if (text == "-0.0")
        text.erase(0, 1);
    return text.replace(text.find('.'), 1, decimalPoint);
}

std::string exponentForm(std::string_view result, int digits) {
    digits = std::max(digits, kLeastExponentDigits);
    const bool negative = result.starts_with('-');
    const std::string_view body = result.substr(negative ? 1 : 0);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t pointAt = std::ranges::find_if_not(body, isDigit) - body.begin();
    const std::size_t fractionAt =
        std::find_if(body.begin() + pointAt, body.end(), isDigit) - body.begin();
    const std::string all = std::string(body.substr(0, pointAt)).append(body.substr(fractionAt));
    const std::size_t lead = std::min(all.find_first_not_of('0'), all.size());
    int exponent = lead == all.size() ? 0 : static_cast<int>(pointAt) - static_cast<int>(lead) - 1;
    const auto kept = static_cast<std::size_t>(digits);
    std::string mantissa = all.substr(lead, kept);
    mantissa.resize(kept, '0');
    const std::size_t next = lead + kept;
    bool carry = next < all.size() && all[next] >= '5';
    for (int i = digits - 1; carry && i >= 0; --i) {
        carry = mantissa[i] == '9';
        mantissa[i] = carry ? '0' : static_cast<char>(mantissa[i] + 1);
    }
    if (carry) { // 9.99 rounds up to 10.0
        mantissa.insert(0, 1, '1').pop_back();
        ++exponent;
    }
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%+03d", exponent);
    return std::string(negative ? "-" : "") + mantissa[0] +
           std::string(body.substr(pointAt, fractionAt - pointAt)) + mantissa.substr(1) + tail;
}

ConversionResult convert(Kind kind, const ConversionInput& input, const Separators& separators) {
    ConversionResult result{
        Outcome::Converted, std::string(input.firstText), std::string(input.secondText), {}};
    if (!isUnitIndex(input.firstUnit) || !isUnitIndex(input.secondUnit)) {
        result.outcome = Outcome::NoSuchUnit;
        return result;
    }
    const UnitTable& table = units(kind);
    const Amount first = readAmount(input.firstText, separators);
    const Amount second = input.secondEnabled ? readAmount(input.secondText, separators) : Amount{};
    if (first.reading == Amount::TooLarge || second.reading == Amount::TooLarge) {
        result.outcome = Outcome::Overflow;
        return result;
    }
    const auto term = [&](const Amount& amount, int unit) {
        return roundTo15Digits(amount.value * table[static_cast<std::size_t>(unit)].factor);
    };
    const std::optional<double> firstTerm = term(first, input.firstUnit);
    const std::optional<double> secondTerm = term(second, input.secondUnit);
    const double total = firstTerm && secondTerm ? *firstTerm + *secondTerm : HUGE_VAL;
    std::array<double, kUnitCount> quotients{};
    for (std::size_t i = 0; i < quotients.size(); ++i) {
        quotients[i] = total / table[i].factor;
        if (!std::isfinite(quotients[i])) {
            result.outcome = Outcome::Overflow;
            return result;
        }
    }
    if (first.reading != Amount::Number)
        result.firstText.assign(1, '0');
    if (second.reading != Amount::Number)
        result.secondText.assign(1, '0');
    for (std::size_t i = 0; i < quotients.size(); ++i)
        result.results[i] = formatResult(quotients[i], separators.decimalPoint);
    return result;
}

} // namespace quantell
