// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The calculate command's path without the window: read gamma and the known quantity from
// text, calculate, show the results or word the failure.
#include "flow/isentropic.h"
#include "fuzz_check.h"
#include "ui/main_window/failure_message.h"
#include "ui/main_window/number_text.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void RequireShown(double x)
{
    const std::string text = ShowNumber(x);
    FUZZ_REQUIRE(!text.empty());
    FUZZ_REQUIRE(text.find_first_not_of("-0123456789.e+") == std::string::npos);
    FUZZ_REQUIRE(text != "-0");
}

bool Same(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

// The first byte chooses the known quantity; the rest is the text of gamma's box, a newline,
// and the text of the known quantity's box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return -1;
    const auto known = static_cast<flow::Known>(data[0] % 3);
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    const std::size_t newline = rest.find('\n');
    const std::string_view gamaText = rest.substr(0, newline);
    const std::string_view valueText =
        newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);

    const double gama = ReadNumber(gamaText);
    const double value = ReadNumber(valueText);
    const flow::Result<flow::FlowState> state = flow::calculate(gama, known, value);
    if (!state) {
        const flow::Failure failure = state.error();
        FUZZ_REQUIRE(
            failure == flow::Failure::DivisionByZero || failure == flow::Failure::NegativeSquareRoot
            || failure == flow::Failure::NegativePowerBase || failure == flow::Failure::OutOfRange);
        FUZZ_REQUIRE(!failureMessage(failure, known, gama, value).empty());
        return 0;
    }

    for (double x : {state->M, state->PoP, state->ToT, state->RoR}) {
        FUZZ_REQUIRE(std::isfinite(x));
        RequireShown(x);
    }
    if (known == flow::Known::M)
        FUZZ_REQUIRE(Same(state->M, value));
    // The second stage alone, from the Mach number found, gives the same ratios to the bit.
    const auto again = flow::calculate(gama, flow::Known::M, state->M);
    FUZZ_REQUIRE(again.has_value());
    FUZZ_REQUIRE(Same(again->ToT, state->ToT) && Same(again->PoP, state->PoP)
                 && Same(again->RoR, state->RoR));
    return 0;
}
