// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "engine/Conversion.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace quantell;

namespace {

const Separators kSeparators[] = {{".", ","}, {",", "."}, {",", "\u00A0"}, {".", "'"}};

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// "-"? digits, the decimal point, one to four digits; never "-0.0"; at most 15 significant
// digits, as the double holds no more.
bool looksLikeResult(std::string_view text, std::string_view decimalPoint) {
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    const std::size_t point = text.find(decimalPoint);
    if (point == std::string_view::npos)
        return false;
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction = text.substr(point + decimalPoint.size());
    const bool zero = integer == "0" && fraction == "0";
    const std::string digits = std::string(integer).append(fraction);
    const bool fifteen = zero || digits.find_last_not_of('0') - digits.find_first_not_of('0') < 15;
    return isDigits(integer) && isDigits(fraction) && fraction.size() <= 4 && !(negative && zero) &&
           fifteen;
}

// The text of a result shows the value within half a unit of its last place: the fourth
// decimal, or the 15th significant digit where that comes first.
bool showsNear(std::string text, double value, std::string_view decimalPoint) {
    const std::size_t point = text.find(decimalPoint);
    const int integerDigits = static_cast<int>(point) - text.starts_with('-');
    text.replace(point, decimalPoint.size(), ".");
    // Read back wider than a double: rounded to 15 digits, the largest doubles show more.
    const long double shown = std::strtold(text.c_str(), nullptr);
    // The value itself is only known to a step of the double.
    const double step = std::fabs(value) - std::nextafter(std::fabs(value), 0.0);
    return std::fabs(shown - value) <= std::pow(10.0L, std::max(-4, integerDigits - 15)) / 2 + step;
}

// Rounded to `digits` in exponent form, a result reads d<point>dd…e±NN with as many digits as
// asked for, three at least, and back within half a unit of its last kept digit.
bool roundsNear(const std::string& text, int digits, std::string_view decimalPoint) {
    std::string form = exponentForm(text, digits);
    const auto kept = static_cast<std::size_t>(std::max(digits, kLeastExponentDigits));
    const bool negative = form.starts_with('-');
    const std::size_t e = form.find('e');
    if (e == std::string::npos ||
        form.compare(negative + 1, decimalPoint.size(), decimalPoint) != 0 ||
        e != negative + kept + decimalPoint.size() ||
        !isDigits(form.substr(negative, 1) +
                  form.substr(negative + 1 + decimalPoint.size(), kept - 1)))
        return false;
    const int exponent = std::atoi(form.c_str() + e + 1);
    const auto read = [&](std::string t) {
        t.replace(t.find(decimalPoint), decimalPoint.size(), ".");
        return std::strtold(t.c_str(), nullptr);
    };
    const long double full = read(text);
    const long double unit = std::pow(10.0L, exponent - static_cast<int>(kept) + 1);
    return std::fabs(read(form) - full) <= unit / 2 + std::fabs(full) * 1e-18L;
}

int unitIndex(FuzzedDataProvider& data) {
    // Mostly real units so that conversions run, sometimes any int at all.
    return data.ConsumeBool() ? data.ConsumeIntegralInRange(0, kUnitCount - 1)
                              : data.ConsumeIntegral<int>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Kind kind = data.PickValueInArray(kAllKinds);
    const int firstUnit = unitIndex(data);
    const int secondUnit = unitIndex(data);
    const bool secondEnabled = data.ConsumeBool();
    const Separators& separators = data.PickValueInArray(kSeparators);
    const int exponentDigits = data.ConsumeIntegralInRange(0, 17);
    const std::string firstText = data.ConsumeRandomLengthString();
    const std::string secondText = data.ConsumeRemainingBytesAsString();

    const Amount first = readAmount(firstText, separators);
    const Amount second = readAmount(secondText, separators);
    // Only a number has a value, and it is finite; formatted as a result, it shows near enough.
    for (const Amount& amount : {first, second}) {
        require(amount.reading == Amount::Number ? std::isfinite(amount.value) : amount.value == 0);
        const std::string text = formatResult(amount.value, separators.decimalPoint);
        require(looksLikeResult(text, separators.decimalPoint) &&
                showsNear(text, amount.value, separators.decimalPoint) &&
                roundsNear(text, exponentDigits, separators.decimalPoint));
    }

    const ConversionInput input{firstText, secondText, firstUnit, secondUnit, secondEnabled};
    const ConversionResult result = convert(kind, input, separators);
    // A counted amount beyond the double range is an overflow once the units are sound.
    const bool tooLarge =
        first.reading == Amount::TooLarge || (secondEnabled && second.reading == Amount::TooLarge);
    if (tooLarge && isUnitIndex(firstUnit) && isUnitIndex(secondUnit))
        require(result.outcome == Outcome::Overflow);
    if (result.outcome == Outcome::Converted) {
        // A number stays as typed; anything else, and a disabled second input, reads "0".
        require(result.firstText == (first.reading == Amount::Number ? firstText : "0"));
        const bool secondCounts = secondEnabled && second.reading == Amount::Number;
        require(result.secondText == (secondCounts ? secondText : "0"));
        for (const std::string& text : result.results)
            require(looksLikeResult(text, separators.decimalPoint) &&
                    roundsNear(text, exponentDigits, separators.decimalPoint));
    } else {
        // Nothing partial: the texts as they were and no result at all.
        require(result.firstText == firstText && result.secondText == secondText);
        for (const std::string& text : result.results)
            require(text.empty());
    }
    return 0;
}
