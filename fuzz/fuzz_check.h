// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// A failed property ends the fuzzer with a message, so libFuzzer saves the input.
#pragma once

#include <cstdio>
#include <cstdlib>

// The property's own text goes to the message; a function, so that the condition is never
// negated as a whole inside the macro.
inline void fuzzRequire(bool holds, const char *condition, const char *file, int line)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_REQUIRE(condition) fuzzRequire((condition), #condition, __FILE__, __LINE__)
