#pragma once

#include <optional>
#include <string_view>

namespace quantell {

// The user's number conventions; texts are UTF-8. Japanese and English locales use "." and ",".
struct Separators {
    std::string_view decimalPoint = ".";
    std::string_view groupSeparator = ",";
};

// The one rule for what an amount is: a text is an amount exactly when this gives a value, and
// that value is what it is worth. Accepted: surrounding blanks, a leading sign, digits with group
// separators between them, a decimal point, an exponent; the full-width forms a Japanese input
// method types count as their ASCII forms. Values beyond the double range are not amounts;
// values too small for it count as zero.
std::optional<double> readAmount(std::string_view text, const Separators& separators);

} // namespace quantell
