// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The messages for failed calculations, driven by real failures of the relations.
#include "ui/main_window/failure_message.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct MessageCase
{
    flow::Known known;
    double gama;
    double value;
    const char *says;
};

constexpr double infinity = std::numeric_limits<double>::infinity();

const MessageCase messageCases[] = {
    {flow::Known::PoP, 1.4, 0.5, "Po/P must be at least 1 when \u03b3 is above 1."},
    {flow::Known::PoP, 1.4, 0.99999, "Po/P = 0.99999 with \u03b3 = 1.4"},
    {flow::Known::ToT, 1.4, 0.9, "To/T must be at least 1 when \u03b3 is above 1."},
    {flow::Known::ToT, 0.5, 2, "To/T must be at most 1 when \u03b3 is below 1."},
    {flow::Known::PoP, 0.5, 0.5, "Po/P must be at least 1 when \u03b3 is between 0 and 1."},
    {flow::Known::PoP, -1, 2, "Po/P must be at most 1 when \u03b3 is below 0."},
    {flow::Known::M, 1, 2, "\u03b3 = 1 has no solution"},
    {flow::Known::PoP, 1, 0.5, "\u03b3 = 1 has no solution"},
    {flow::Known::ToT, 1, 2, "\u03b3 = 1 has no solution"},
    {flow::Known::PoP, 0, 2, "\u03b3 = 0 has no solution when Po/P is given"},
    {flow::Known::PoP, 0.5, 0, "zero raised to a negative power"},
    {flow::Known::M, 0.5, 2, "zero raised to a negative power"},
    {flow::Known::PoP, 1.4, -1, "Po/P must not be negative"},
    {flow::Known::M, 0.3, 3, "gives a negative To/T"},
    {flow::Known::M, 1.4, infinity, "M is too large a number"},
    {flow::Known::PoP, 1.4, -infinity, "Po/P is too large a number"},
    {flow::Known::ToT, infinity, 2, "\u03b3 is too large a number"},
    {flow::Known::M, 1.4, 1e200, "beyond the range of the calculator"},
};

TEST(FailureMessage, SaysWhatIsWrongInTheWindowsTerms)
{
    for (const MessageCase &c : messageCases) {
        SCOPED_TRACE(c.says);
        const auto state = flow::calculate(c.gama, c.known, c.value);
        ASSERT_FALSE(state.has_value());
        const std::string message = failureMessage(state.error(), c.known, c.gama, c.value);
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
}

} // namespace
