// Messages for failed calculations, worded from the failure and the inputs that caused it.
#include "failure_message.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

const char *QuantityName(InputOption option)
{
    switch (option) {
    case InputOption::M:
        return "M";
    case InputOption::PoP:
        return "Po/P";
    case InputOption::ToT:
        return "To/T";
    }
    return "";
}

// The shortest text that reads back as the same double, so a message never shows a typed
// 0.99999 as a rounded 1.
std::string Exact(double x)
{
    std::array<char, 32> buffer {};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return {buffer.data(), written.ptr};
}

std::string NegativeSquareRoot(InputOption option, double gama, double known)
{
    const std::string name = QuantityName(option);
    std::string text = "No Mach number gives " + name + " = " + Exact(known)
        + " with \u03b3 = " + Exact(gama) + ": it would take the square root of a negative number.";
    if (option == InputOption::ToT) {
        text += gama > 1 ? " To/T must be at least 1 when \u03b3 is above 1."
                         : " To/T must be at most 1 when \u03b3 is below 1.";
    } else if (gama > 1) {
        text += " Po/P must be at least 1 when \u03b3 is above 1.";
    } else if (gama > 0 && known >= 0) {
        text += " Po/P must be at least 1 when \u03b3 is between 0 and 1.";
    } else if (gama < 0 && known >= 0) {
        text += " Po/P must be at most 1 when \u03b3 is below 0.";
    }
    return text;
}

} // namespace

std::string FailureMessage(flow::Failure failure, InputOption option, double gama, double known)
{
    const std::string name = QuantityName(option);
    switch (failure) {
    case flow::Failure::DivisionByZero:
        if (gama == 1)
            return "\u03b3 = 1 has no solution: the isentropic relations divide by \u03b3 \u2212 "
                   "1.";
        if (gama == 0)
            return "\u03b3 = 0 has no solution when Po/P is given: the exponent "
                   "(\u03b3 \u2212 1)/\u03b3 divides by \u03b3.";
        return "With \u03b3 = " + Exact(gama) + ", " + name + " = " + Exact(known)
            + " leads to zero raised to a negative power, which has no finite value.";
    case flow::Failure::NegativeSquareRoot:
        return NegativeSquareRoot(option, gama, known);
    case flow::Failure::NegativePowerBase:
        if (option == InputOption::PoP && known < 0)
            return "Po/P must not be negative: with \u03b3 = " + Exact(gama)
                + " it is raised to the fractional power (\u03b3 \u2212 1)/\u03b3.";
        return "With \u03b3 = " + Exact(gama) + ", " + name + " = " + Exact(known)
            + " gives a negative To/T, and with this \u03b3 a negative To/T has no real Po/P or"
              " \u03c1o/\u03c1.";
    case flow::Failure::OutOfRange:
        if (!std::isfinite(gama))
            return "\u03b3 is too large a number for the calculator.";
        if (!std::isfinite(known))
            return name + " is too large a number for the calculator.";
        return "With \u03b3 = " + Exact(gama) + ", " + name + " = " + Exact(known)
            + " gives a result beyond the range of the calculator (about 1.8e308).";
    }
    return {};
}
