// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "AmountText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace quantell {

namespace {

// Full-width and other forms that a Japanese input method types, with their ASCII meaning.
struct WideForm {
    std::string_view utf8;
    char ascii;
};
constexpr WideForm kWideForms[] = {
    {"\xEF\xBC\x90", '0'}, {"\xEF\xBC\x91", '1'}, {"\xEF\xBC\x92", '2'}, {"\xEF\xBC\x93", '3'},
    {"\xEF\xBC\x94", '4'}, {"\xEF\xBC\x95", '5'}, {"\xEF\xBC\x96", '6'}, {"\xEF\xBC\x97", '7'},
    {"\xEF\xBC\x98", '8'}, {"\xEF\xBC\x99", '9'}, {"\xEF\xBC\x8E", '.'}, {"\xEF\xBC\x8C", ','},
    {"\xEF\xBC\x8B", '+'}, {"\xEF\xBC\x8D", '-'}, {"\xEF\xBD\x85", 'e'}, {"\xEF\xBC\xA5", 'E'},
    {"\xE2\x88\x92", '-'}, // minus sign
    {"\xE3\x80\x80", ' '}, // ideographic space
};

std::string toAsciiForms(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const WideForm* match = nullptr;
        if (c >= 0xE2 && c <= 0xEF) {
            for (const WideForm& form : kWideForms) {
                if (text.substr(i).starts_with(form.utf8)) {
                    match = &form;
                    break;
                }
            }
        }
        if (match) {
            out.push_back(match->ascii);
            i += match->utf8.size();
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Checks the whole (trimmed) text against the amount grammar and writes the plain form of the
// number, with "." and no group separators, for std::from_chars.
class Scanner {
public:
    Scanner(std::string_view text, const Separators& separators)
        : m_text(text), m_sep(separators) {}

    bool scan() {
        if (at('+')) {
            ++m_pos;
        } else if (at('-')) {
            m_plain.push_back('-');
            ++m_pos;
        }
        const std::size_t integerDigits = digits(true);
        std::size_t fractionDigits = 0;
        if (!m_sep.decimalPoint.empty() && rest().starts_with(m_sep.decimalPoint)) {
            m_pos += m_sep.decimalPoint.size();
            m_plain.push_back('.');
            fractionDigits = digits(false);
        }
        if (integerDigits + fractionDigits == 0)
            return false;
        if (at('e') || at('E')) {
            m_plain.push_back('e');
            ++m_pos;
            if (at('+') || at('-'))
                m_plain.push_back(m_text[m_pos++]);
            if (exponentDigits() == 0)
                return false;
        }
        return m_pos == m_text.size();
    }

    const std::string& plain() const { return m_plain; }

    // Whether a number that left the double range did so upwards: the decimal exponent of its
    // leading digit is then positive.
    bool tooLarge() const {
        const long long lead =
            m_integerSignificant > 0 ? m_integerSignificant - 1 : -(m_fractionZeros + 1);
        return lead + m_exponent >= 0;
    }

private:
    std::string_view rest() const { return m_text.substr(m_pos); }
    bool at(char c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }

    std::size_t digits(bool integerPart) {
        std::size_t count = 0;
        for (;;) {
            if (m_pos < m_text.size() && isDigit(m_text[m_pos])) {
                const char d = m_text[m_pos++];
                m_plain.push_back(d);
                noteLeadingDigit(d, integerPart);
                ++count;
            } else if (integerPart && count > 0 && groupFollowedByDigit()) {
                m_pos += m_sep.groupSeparator.size();
            } else {
                return count;
            }
        }
    }

    bool groupFollowedByDigit() const {
        const std::string_view group = m_sep.groupSeparator;
        if (group.empty() || !rest().starts_with(group))
            return false;
        if (group == m_sep.decimalPoint)
            return false;
        const std::size_t next = m_pos + group.size();
        return next < m_text.size() && isDigit(m_text[next]);
    }

    void noteLeadingDigit(char d, bool integerPart) {
        if (!m_seenNonZero && d == '0') {
            m_fractionZeros += integerPart ? 0 : 1;
            return;
        }
        m_seenNonZero = true;
        m_integerSignificant += integerPart ? 1 : 0;
    }

    std::size_t exponentDigits() {
        constexpr long long kCap = 1'000'000'000;
        const bool negative = !m_plain.empty() && m_plain.back() == '-';
        std::size_t count = 0;
        long long value = 0;
        while (m_pos < m_text.size() && isDigit(m_text[m_pos])) {
            const char d = m_text[m_pos++];
            m_plain.push_back(d);
            value = std::min(kCap, value * 10 + (d - '0'));
            ++count;
        }
        m_exponent = negative ? -value : value;
        return count;
    }

    std::string_view m_text;
    const Separators& m_sep;
    std::size_t m_pos = 0;
    std::string m_plain;
    bool m_seenNonZero = false;
    long long m_integerSignificant = 0; // integer digits from the first non-zero one
    long long m_fractionZeros = 0;      // zeros after the point before the first non-zero digit
    long long m_exponent = 0;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

Amount readAmount(std::string_view text, const Separators& separators) {
    const std::string ascii = toAsciiForms(text);
    Scanner scanner(trimmed(ascii), separators);
    if (!scanner.scan())
        return {};
    const std::string& plain = scanner.plain();
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (scanner.tooLarge())
            return {Amount::TooLarge};
        return {Amount::Number, plain.front() == '-' ? -0.0 : 0.0};
    }
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return {};
    return {Amount::Number, value};
}

} // namespace quantell
