// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Each relation beside its floor: the same number of std::pow and std::sqrt calls, on the same
// operands, and nothing else. The ratio of the two is what the rest of the relation costs: its
// subtractions, divisions and multiplications, the finite checks and the result type.
#include "flow/isentropic.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double gama = 1.4;
constexpr std::size_t count = 1024;

// Inputs across the range users give, and the operands that the relations hand to pow and
// sqrt for them, worked out in the same order of operations.
struct Inputs
{
    std::vector<double> PoP, ToT, M;
    double d = (gama - 1) / gama; // MachFromPoP's exponent
    double p = gama / (gama - 1); // RatiosFromMach's exponents
    double r = 1 / (gama - 1);
    std::vector<double> gFromPoP, gFromToT, ToTFromM;

    Inputs()
    {
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / count;
            PoP.push_back(1 + 49 * t);
            ToT.push_back(1 + 9 * t);
            M.push_back(5 * t);
            gFromPoP.push_back(2 / (gama - 1) * (std::pow(PoP.back(), d) - 1));
            gFromToT.push_back(2 / (gama - 1) * (ToT.back() - 1));
            ToTFromM.push_back(1 + (gama - 1) / 2 * M.back() * M.back());
        }
    }
};

const Inputs inputs;

void SetCounts(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

void MachFromPoP(benchmark::State &state)
{
    for (auto _ : state) {
        for (double PoP : inputs.PoP)
            benchmark::DoNotOptimize(flow::MachFromPoP(gama, PoP));
    }
    SetCounts(state);
}

void MachFromPoPFloor(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            benchmark::DoNotOptimize(std::pow(inputs.PoP[i], inputs.d));
            benchmark::DoNotOptimize(std::sqrt(inputs.gFromPoP[i]));
        }
    }
    SetCounts(state);
}

void MachFromToT(benchmark::State &state)
{
    for (auto _ : state) {
        for (double ToT : inputs.ToT)
            benchmark::DoNotOptimize(flow::MachFromToT(gama, ToT));
    }
    SetCounts(state);
}

void MachFromToTFloor(benchmark::State &state)
{
    for (auto _ : state) {
        for (double g : inputs.gFromToT)
            benchmark::DoNotOptimize(std::sqrt(g));
    }
    SetCounts(state);
}

void RatiosFromMach(benchmark::State &state)
{
    for (auto _ : state) {
        for (double M : inputs.M)
            benchmark::DoNotOptimize(flow::RatiosFromMach(gama, M));
    }
    SetCounts(state);
}

void RatiosFromMachFloor(benchmark::State &state)
{
    for (auto _ : state) {
        for (double ToT : inputs.ToTFromM) {
            benchmark::DoNotOptimize(std::pow(ToT, inputs.p));
            benchmark::DoNotOptimize(std::pow(ToT, inputs.r));
        }
    }
    SetCounts(state);
}

// Other programs only ever add time, so the fastest repetition is the truest.
double Fastest(const std::vector<double> &times)
{
    return *std::ranges::min_element(times);
}

BENCHMARK(MachFromPoP)->ComputeStatistics("min", Fastest);
BENCHMARK(MachFromPoPFloor)->ComputeStatistics("min", Fastest);
BENCHMARK(MachFromToT)->ComputeStatistics("min", Fastest);
BENCHMARK(MachFromToTFloor)->ComputeStatistics("min", Fastest);
BENCHMARK(RatiosFromMach)->ComputeStatistics("min", Fastest);
BENCHMARK(RatiosFromMachFloor)->ComputeStatistics("min", Fastest);

// Prints, after the usual table, each relation's time per call beside its floor's.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // With repetitions, the fastest stands for the run; without, the single run does.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min")
                continue;
            std::string name = run.run_name.function_name;
            m_nanoseconds[name] = run.GetAdjustedCPUTime() / count;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n| Operation, fastest of 20 | ns per call | floor, ns | ratio |\n"
                    "|---|---|---|---|\n");
        for (const char *name : {"MachFromPoP", "MachFromToT", "RatiosFromMach"}) {
            const double time = m_nanoseconds[name];
            const double floor = m_nanoseconds[std::string(name) + "Floor"];
            std::printf("| %s | %.2f | %.2f | %.2f |\n", name, time, floor, time / floor);
        }
    }

private:
    std::map<std::string, double> m_nanoseconds;
};

} // namespace

int main(int argc, char **argv)
{
    // The operation and its floor must meet the same machine: on a shared or frequency-scaled
    // one, runs in a row drift apart. They run interleaved at random, twenty times, and the
    // fastest of each counts; flags given on the command line come after these and win.
    std::vector<char *> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=20";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1,
                     {repetitions.data(), interleaving.data(), aggregates.data()});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
