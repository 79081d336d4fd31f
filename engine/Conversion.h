// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "AmountText.h"
#include "Catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace quantell {

// What a kind's controls hold when it converts.
struct ConversionInput {
    std::string_view firstText;
    std::string_view secondText;
    int firstUnit = 0;
    int secondUnit = 0;
    bool secondEnabled = true;
};

enum class Outcome {
    Converted,
    Overflow,   // a counted amount, a term, the total or a result left the double range
    NoSuchUnit, // a unit index outside 0 to 6
};

// What the controls show afterwards. Unless converted, the texts are the input's and every
// result is empty: nothing partial is ever shown.
struct ConversionResult {
    Outcome outcome = Outcome::Converted;
    std::string firstText;  // unchanged, or "0" when it was no number
    std::string secondText; // unchanged, or "0" when it was no number or disabled
    std::array<std::string, kUnitCount> results;
};

// Adds the two terms in the kind's base unit and writes the total in all seven units.
ConversionResult convert(Kind kind, const ConversionInput& input, const Separators& separators);

// "0.0###": four decimals at most, one at least, no group separators, never "-0.0", and never
// more than the 15 significant digits the double holds: from 1e11 up the value is rounded to 15
// digits, with zeros up to the units place where those end before the point.
std::string formatResult(double value, std::string_view decimalPoint);

// A result too long to show whole: `result` (a text of formatResult, "-39370078740157.4803")
// rounded half up to `digits` significant digits, three at least, in exponent form with the
// result's own decimal point ("-3.94e+13"). It works on the digits of the text, not on a double,
// so it shows no digit the text does not hold.
std::string exponentForm(std::string_view result, int digits);
inline constexpr int kLeastExponentDigits = 3;

} // namespace quantell
