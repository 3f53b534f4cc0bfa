// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// ShowNumber on raw doubles: the form of its text, and what the text reads back as.
#include "fuzz_check.h"
#include "ui/main_window/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// [-] (0 | [1-9][0-9]*) [. [0-9]*[1-9]] [e+ [0-9]+] with at most 4 decimals in the plain form,
// at most 15 significant digits, and a mantissa below 10 in the exponent form.
void RequireGeneralForm(const std::string &text)
{
    std::size_t pos = text[0] == '-' ? 1 : 0;
    const std::size_t integerStart = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    const std::size_t integerDigits = pos - integerStart;
    FUZZ_REQUIRE(integerDigits >= 1);
    FUZZ_REQUIRE(integerDigits == 1 || text[integerStart] != '0');
    std::size_t decimals = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++decimals;
        }
        FUZZ_REQUIRE(decimals >= 1 && text[pos - 1] != '0');
    }
    const std::size_t mantissaEnd = pos;
    if (pos < text.size()) {
        FUZZ_REQUIRE(text.compare(pos, 2, "e+") == 0 && pos + 2 < text.size());
        for (std::size_t i = pos + 2; i < text.size(); ++i)
            FUZZ_REQUIRE(isDigit(text[i]));
        FUZZ_REQUIRE(integerDigits == 1 && text[integerStart] != '0');
    } else {
        FUZZ_REQUIRE(decimals <= 4);
    }
    std::string significant;
    for (std::size_t i = integerStart; i < mantissaEnd; ++i) {
        if (isDigit(text[i]) && (!significant.empty() || text[i] != '0'))
            significant += text[i];
    }
    FUZZ_REQUIRE(significant.size() <= 15);
    FUZZ_REQUIRE(text != "-0");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double x = 0;
    if (size < sizeof x)
        return -1;
    std::memcpy(&x, data, sizeof x);

    const std::string text = ShowNumber(x);
    if (!std::isfinite(x)) {
        FUZZ_REQUIRE(text.empty());
        return 0;
    }
    FUZZ_REQUIRE(!text.empty());
    RequireGeneralForm(text);

    // glibc's printf rounds the exact binary value to 4 decimals, ties to even: the reference.
    char rounded[400];
    std::snprintf(rounded, sizeof rounded, "%.4f", x);
    const double nearest = std::strtod(rounded, nullptr);
    const double back = ReadNumber(text);
    FUZZ_REQUIRE((text[0] == '-') == (nearest < 0));
    if (std::fabs(x) < 1e11) { // 15 digits hold every 4-decimal number below 1e11
        FUZZ_REQUIRE(back == nearest);
    } else if (std::isinf(back)) {
        // Only where 15 digits round above the largest double, 1.79769313486232e+308.
        FUZZ_REQUIRE(std::fabs(nearest) >= 1.797693134862315e308);
    } else {
        FUZZ_REQUIRE(std::fabs(back - nearest) <= 1e-14 * std::fabs(nearest));
    }
    return 0;
}
