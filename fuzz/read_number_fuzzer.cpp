// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// ReadNumber on arbitrary bytes, against glibc's strtod in the C locale as an independent oracle.
#include "fuzz_check.h"
#include "ui/main_window/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h> // NOLINT(modernize-deprecated-headers): newlocale, strtod_l are POSIX
#include <string>
#include <string_view>

namespace {

bool SameNumber(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const double value = ReadNumber(text);
    FUZZ_REQUIRE(!std::isnan(value));

    // strtod reads the same decimal numbers, and also hexadecimal ones, infinities and NaNs,
    // which ReadNumber does not: compare where strtod read a plain decimal number.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char *end = nullptr;
    const double expected = strtod_l(text.c_str(), &end, c);
    const std::string_view read(text.c_str(), static_cast<std::size_t>(end - text.c_str()));
    if (read.find_first_of("xXiInN") == std::string_view::npos)
        FUZZ_REQUIRE(SameNumber(value, expected));
    else
        FUZZ_REQUIRE(std::isfinite(value));

    // What follows a number, and blanks before it, change nothing.
    FUZZ_REQUIRE(SameNumber(ReadNumber(text + "x,5"), value));
    FUZZ_REQUIRE(SameNumber(ReadNumber(" \t" + text), value));
    return 0;
}
