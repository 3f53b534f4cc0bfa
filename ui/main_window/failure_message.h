// What the main window tells the user when a calculation has no result.
#pragma once

#include "flow/isentropic.h"

#include <string>

// The quantity the user gives, as chosen with the option buttons.
enum class InputOption
{
    M,
    PoP,
    ToT
};

// A plain-English message (UTF-8) for a failed calculation: what is wrong, in terms of the
// quantities on the window, given the failure and the numbers that were read from the boxes.
[[nodiscard]] std::string FailureMessage(flow::Failure failure, InputOption option, double gama,
                                         double known);
