// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Messages for failed calculations, worded from the failure and the inputs that caused it.
#include "failure_message.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

const char *quantityName(flow::Known known)
{
    switch (known) {
    case flow::Known::M:
        return "M";
    case flow::Known::PoP:
        return "Po/P";
    case flow::Known::ToT:
        return "To/T";
    }
    return "";
}

// The shortest text that reads back as the same double, so a message never shows a typed
// 0.99999 as a rounded 1.
std::string exact(double x)
{
    std::array<char, 32> buffer {};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return {buffer.data(), written.ptr};
}

std::string negativeSquareRoot(flow::Known known, double gama, double value)
{
    const std::string name = quantityName(known);
    std::string text = "No Mach number gives " + name + " = " + exact(value)
        + " with \u03b3 = " + exact(gama) + ": it would take the square root of a negative number.";
    if (known == flow::Known::ToT) {
        text += gama > 1 ? " To/T must be at least 1 when \u03b3 is above 1."
                         : " To/T must be at most 1 when \u03b3 is below 1.";
    } else if (gama > 1) {
        text += " Po/P must be at least 1 when \u03b3 is above 1.";
    } else if (gama > 0 && value >= 0) {
        text += " Po/P must be at least 1 when \u03b3 is between 0 and 1.";
    } else if (gama < 0 && value >= 0) {
        text += " Po/P must be at most 1 when \u03b3 is below 0.";
    }
    return text;
}

} // namespace

std::string failureMessage(flow::Failure failure, flow::Known known, double gama, double value)
{
    const std::string name = quantityName(known);
    switch (failure) {
    case flow::Failure::DivisionByZero:
        if (gama == 1)
            return "\u03b3 = 1 has no solution: the isentropic relations divide by \u03b3 \u2212 "
                   "1.";
        if (gama == 0)
            return "\u03b3 = 0 has no solution when Po/P is given: the exponent "
                   "(\u03b3 \u2212 1)/\u03b3 divides by \u03b3.";
        return "With \u03b3 = " + exact(gama) + ", " + name + " = " + exact(value)
            + " leads to zero raised to a negative power, which has no finite value.";
    case flow::Failure::NegativeSquareRoot:
        return negativeSquareRoot(known, gama, value);
    case flow::Failure::NegativePowerBase:
        if (known == flow::Known::PoP && value < 0)
            return "Po/P must not be negative: with \u03b3 = " + exact(gama)
                + " it is raised to the fractional power (\u03b3 \u2212 1)/\u03b3.";
        return "With \u03b3 = " + exact(gama) + ", " + name + " = " + exact(value)
            + " gives a negative To/T, and with this \u03b3 a negative To/T has no real Po/P or"
              " \u03c1o/\u03c1.";
    case flow::Failure::OutOfRange:
        if (!std::isfinite(gama))
            return "\u03b3 is too large a number for the calculator.";
        if (!std::isfinite(value))
            return name + " is too large a number for the calculator.";
        return "With \u03b3 = " + exact(gama) + ", " + name + " = " + exact(value)
            + " gives a result beyond the range of the calculator (about 1.8e308).";
    }
    return {};
}
