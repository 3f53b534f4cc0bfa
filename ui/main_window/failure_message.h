// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// What the main window tells the user when a calculation has no result.
#pragma once

#include "flow/isentropic.h"

#include <string>

// A plain-English message (UTF-8) for a failed calculation, in terms of the quantities on the
// window: known is the quantity of the chosen input option, gama and value the numbers read
// from the boxes.
[[nodiscard]] std::string failureMessage(flow::Failure failure, flow::Known known, double gama,
                                         double value);
