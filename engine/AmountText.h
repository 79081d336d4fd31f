// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace quantell {

// The user's number conventions; texts are UTF-8. Japanese and English locales use "." and ",".
struct Separators {
    std::string_view decimalPoint = ".";
    std::string_view groupSeparator = ",";
};

// What a text is worth as an amount. Only a number has a value of its own; the value of the
// other two is 0, which is what a text that is no number counts as.
struct Amount {
    enum Reading { NoNumber, Number, TooLarge };
    Reading reading = NoNumber;
    double value = 0;
};

// The one rule for what an amount is. Accepted: surrounding blanks, a leading sign, digits with
// group separators between them, a decimal point, an exponent; the full-width forms a Japanese
// input method types count as their ASCII forms. A number beyond the double range, either sign,
// is too large; one too small for it counts as zero.
Amount readAmount(std::string_view text, const Separators& separators);

} // namespace quantell
