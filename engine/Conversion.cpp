#include "Conversion.h"

#include <charconv>
#include <cmath>

namespace quantell {

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

std::string formatResult(double value, std::string_view decimalPoint) {
    constexpr double kPlainLimit = 1e15; // from here the integer part has 16 digits or more
    char buffer[64];
    std::string text;
    if (std::fabs(value) >= kPlainLimit) {
        // d.dddddddddddddde+XX: 15 significant digits, then zeros up to the units place.
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14)
                .ptr;
        const std::string_view sci(buffer, static_cast<std::size_t>(end - buffer));
        const std::size_t e = sci.find('e');
        int exponent = 0;
        std::from_chars(sci.data() + e + 2, sci.data() + sci.size(), exponent);
        for (char c : sci.substr(0, e))
            if (c != '.')
                text.push_back(c);
        text.append(static_cast<std::size_t>(exponent) + 1 - (text.size() - (value < 0)), '0');
        text.append(decimalPoint).push_back('0');
        return text;
    }
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4).ptr;
    std::string_view fixed(buffer, static_cast<std::size_t>(end - buffer));
    while (fixed.ends_with('0') && fixed[fixed.size() - 2] != '.')
        fixed.remove_suffix(1);
    if (fixed == "-0.0")
        fixed.remove_prefix(1);
    const std::size_t point = fixed.find('.');
    text.append(fixed.substr(0, point)).append(decimalPoint).append(fixed.substr(point + 1));
    return text;
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
