// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Reading and showing numbers with <charconv>, which ignores the C locale that Qt sets up.
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t countDigits(std::string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

// Decides whether a number that from_chars found out of range is too large or too small: the
// decimal exponent of its first non-zero digit, plus its written exponent, is far above zero for
// an overflow and far below for an underflow. Both sums saturate, so huge exponents are safe.
bool overflows(std::string_view mantissa, std::string_view exponent)
{
    constexpr std::int64_t limit = 1'000'000'000'000;
    std::int64_t written = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-')
            negative = true;
        else if (isDigit(c) && written < limit)
            written = written * 10 + (c - '0');
    }
    if (negative)
        written = -written;

    const std::size_t point = mantissa.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    const std::size_t first = mantissa.find_first_not_of("0.");
    const std::int64_t lead = first < integerDigits
        ? static_cast<std::int64_t>(integerDigits - first - 1)
        : -static_cast<std::int64_t>(first - integerDigits);
    return lead + written > 0;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t start = pos;
    const std::size_t integerDigits = countDigits(text, pos);
    pos += integerDigits;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionDigits = countDigits(text, pos + 1);
        if (integerDigits + fractionDigits == 0)
            return 0;
        pos += 1 + fractionDigits;
    } else if (integerDigits == 0) {
        return 0;
    }
    const std::size_t mantissaEnd = pos;

    // The exponent belongs to the number only when at least one digit follows its letter.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t digitsAt = pos + 1;
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-'))
            ++digitsAt;
        const std::size_t exponentDigits = countDigits(text, digitsAt);
        if (exponentDigits > 0)
            pos = digitsAt + exponentDigits;
    }

    const char *first = text.data() + start;
    const char *last = text.data() + pos;
    double magnitude = 0;
    const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(start, mantissaEnd - start);
        const std::string_view exponent = text.substr(mantissaEnd, pos - mantissaEnd);
        magnitude = overflows(mantissa, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string ShowNumber(double x)
{
    if (!std::isfinite(x))
        return {};

    // The exact binary value rounded to 4 decimals, ties to even: at most a sign, 309 integer
    // digits, the point and 4 decimals.
    std::array<char, 320> buffer {};
    char *const fixed =
        std::to_chars(buffer.data(), buffer.end(), x, std::chars_format::fixed, 4).ptr;
    double rounded = 0;
    std::from_chars(buffer.data(), fixed, rounded);
    if (rounded == 0)
        return "0";

    // Then the rounded number in the general form, with at most 15 significant digits.
    char *const general =
        std::to_chars(buffer.data(), buffer.end(), rounded, std::chars_format::general, 15).ptr;
    return {buffer.data(), general};
}
