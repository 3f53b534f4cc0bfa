// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Conversions between the text of a box and a number, the same whatever the user's locale.
#pragma once

#include <string>
#include <string_view>

// The number that a box's text begins with. Leading blanks are skipped; then comes the longest
// prefix of the form [sign] digits [. digits] [e|E [sign] digits], with "." as the decimal point
// in every locale and at least one digit before or after it. Whatever follows is ignored, so
// "1,5" reads as 1 and "2abc" as 2; text with no leading number reads as 0. The value is the
// double nearest to the decimal number. One too large for a double reads as an infinity of its
// sign, never as a finite stand-in, so that the calculation can report it; one too small for a
// double reads as a zero of its sign.
[[nodiscard]] double ReadNumber(std::string_view text);

// A result as a box shows it: rounded to 4 decimal places, a half going to the even neighbour
// (exactly, from the binary value), then written in the general form with at most 15 significant
// digits: no trailing zeros, no point for a whole number, a zero before the point below 1, and an
// exponent (1e+15) from 1e15 on. The decimal point is "." in every locale, so the text reads back
// with ReadNumber. A value that rounds to zero shows as "0", never "-0". A NaN or an infinity has
// no text and gives the empty string.
[[nodiscard]] std::string ShowNumber(double x);
