// The messages for failed calculations, driven by real failures of the relations.
#include "ui/main_window/failure_message.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

flow::Failure FailureOf(InputOption option, double gama, double known)
{
    switch (option) {
    case InputOption::M:
        return flow::RatiosFromMach(gama, known).error();
    case InputOption::PoP: {
        const auto M = flow::MachFromPoP(gama, known);
        return M ? flow::RatiosFromMach(gama, *M).error() : M.error();
    }
    case InputOption::ToT: {
        const auto M = flow::MachFromToT(gama, known);
        return M ? flow::RatiosFromMach(gama, *M).error() : M.error();
    }
    }
    return {};
}

struct MessageCase
{
    InputOption option;
    double gama;
    double known;
    const char *says;
};

constexpr double infinity = std::numeric_limits<double>::infinity();

const MessageCase messageCases[] = {
    {InputOption::PoP, 1.4, 0.5, "Po/P must be at least 1 when \u03b3 is above 1."},
    {InputOption::PoP, 1.4, 0.99999, "Po/P = 0.99999 with \u03b3 = 1.4"},
    {InputOption::ToT, 1.4, 0.9, "To/T must be at least 1 when \u03b3 is above 1."},
    {InputOption::ToT, 0.5, 2, "To/T must be at most 1 when \u03b3 is below 1."},
    {InputOption::PoP, 0.5, 0.5, "Po/P must be at least 1 when \u03b3 is between 0 and 1."},
    {InputOption::PoP, -1, 2, "Po/P must be at most 1 when \u03b3 is below 0."},
    {InputOption::M, 1, 2, "\u03b3 = 1 has no solution"},
    {InputOption::PoP, 1, 0.5, "\u03b3 = 1 has no solution"},
    {InputOption::ToT, 1, 2, "\u03b3 = 1 has no solution"},
    {InputOption::PoP, 0, 2, "\u03b3 = 0 has no solution when Po/P is given"},
    {InputOption::PoP, 0.5, 0, "zero raised to a negative power"},
    {InputOption::M, 0.5, 2, "zero raised to a negative power"},
    {InputOption::PoP, 1.4, -1, "Po/P must not be negative"},
    {InputOption::M, 0.3, 3, "gives a negative To/T"},
    {InputOption::M, 1.4, infinity, "M is too large a number"},
    {InputOption::PoP, 1.4, -infinity, "Po/P is too large a number"},
    {InputOption::ToT, infinity, 2, "\u03b3 is too large a number"},
    {InputOption::M, 1.4, 1e200, "beyond the range of the calculator"},
};

TEST(FailureMessage, SaysWhatIsWrongInTheWindowsTerms)
{
    for (const MessageCase &c : messageCases) {
        SCOPED_TRACE(c.says);
        const std::string message =
            FailureMessage(FailureOf(c.option, c.gama, c.known), c.option, c.gama, c.known);
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
}

} // namespace
