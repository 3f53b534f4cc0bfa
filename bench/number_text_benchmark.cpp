// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Reading and showing numbers: short texts as users type them, and texts up to a million
// characters long, whose reading time must grow in proportion to their length.
#include "ui/main_window/number_text.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

void ReadNumberShort(benchmark::State &state)
{
    const std::string texts[] = {"1.4", "2", "1.8929", " ", "2abc", "1e400", "0.000123456789"};
    for (auto _ : state) {
        for (const std::string &text : texts)
            benchmark::DoNotOptimize(ReadNumber(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(texts)));
}
BENCHMARK(ReadNumberShort);

// The three ways a text grows long: digits of the number, blanks before it, junk after it.
enum class Long : std::uint8_t
{
    Digits,
    LeadingBlanks,
    TrailingJunk
};

template<Long kind>
void ReadNumberLong(benchmark::State &state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    std::string text;
    if constexpr (kind == Long::Digits)
        text = "0." + std::string(length, '3');
    else if constexpr (kind == Long::LeadingBlanks)
        text = std::string(length, ' ') + "1.5";
    else
        text = "1.5" + std::string(length, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNumber(text));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK_TEMPLATE(ReadNumberLong, Long::Digits)
    ->RangeMultiplier(8)
    ->Range(1 << 10, 1 << 20)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(ReadNumberLong, Long::LeadingBlanks)
    ->RangeMultiplier(8)
    ->Range(1 << 10, 1 << 20)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(ReadNumberLong, Long::TrailingJunk)->Arg(1'000'000);

void ShowNumberTypical(benchmark::State &state)
{
    const double numbers[] = {1.0,  1.892929158737854, 1.7999999999999998,
                              0.5,  2.23606797749979,  123456789012.3456,
                              1e300};
    for (auto _ : state) {
        for (double x : numbers)
            benchmark::DoNotOptimize(ShowNumber(x));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(numbers)));
}
BENCHMARK(ShowNumberTypical);

} // namespace

BENCHMARK_MAIN();
