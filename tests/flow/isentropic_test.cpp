// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The isentropic relations against independent high-precision references, and their failures.
#include "flow/isentropic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>

namespace {

struct ReferenceRow
{
    double gama;
    double known;
    double M;
    double ToT;
    double PoP;
    double RoR;
};

#include "reference_values.inc"

constexpr double tolerance = 1e-13;
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

::testing::AssertionResult Near(const char *name, double actual, double expected)
{
    const double error = expected == 0 ? std::abs(actual) : std::abs(actual / expected - 1);
    if (error <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << name << " = " << actual << ", reference " << expected << ", relative error " << error;
}

void ExpectMatches(const flow::FlowState &state, const ReferenceRow &row)
{
    EXPECT_TRUE(Near("M", state.M, row.M));
    EXPECT_TRUE(Near("ToT", state.ToT, row.ToT));
    EXPECT_TRUE(Near("PoP", state.PoP, row.PoP));
    EXPECT_TRUE(Near("RoR", state.RoR, row.RoR));
}

// Each table row through both stages, from its known quantity.
void ExpectTable(std::span<const ReferenceRow> table, flow::Known known)
{
    for (const ReferenceRow &row : table) {
        SCOPED_TRACE(testing::Message() << "gama = " << row.gama << ", known = " << row.known);
        const auto state = flow::calculate(row.gama, known, row.known);
        ASSERT_TRUE(state.has_value());
        ExpectMatches(*state, row);
    }
}

TEST(RatiosFromMach, MatchesReferencesAcrossGamaAndMach)
{
    ExpectTable(FromMach, flow::Known::M);
}

TEST(MachFromPoP, MatchesReferencesAcrossGamaAndPoP)
{
    ExpectTable(FromPoP, flow::Known::PoP);
}

TEST(MachFromToT, MatchesReferencesAcrossGamaAndToT)
{
    ExpectTable(FromToT, flow::Known::ToT);
}

TEST(RatiosFromMach, FollowsTheOrderOfOperationsToTheLastBit)
{
    // ((gama - 1)/2 * M) * M, then 1 + j: the rounding of each step shows in the last bit.
    const auto state = flow::RatiosFromMach(1.4, 2);
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->ToT, 1.7999999999999998);
    EXPECT_NE(state->ToT, 1.8);
}

// Exact doubles where another order of the same operations gives other last bits: M squared
// first, h * (M * M), in RatiosFromMach; 2 * (x - 1) / (gama - 1) in the Mach operations; the
// exponent written as 1 - 1/gama in MachFromPoP. To/T from M and M from To/T are correctly
// rounded on every IEEE platform. Po/P and rho_o/rho, and M from Po/P, go through pow, which
// no standard requires to be correctly rounded; glibc's and the MinGW-w64 runtime's (the
// Windows program's, tested under Wine) give these very bits, so the tightest tolerance that
// holds on both is none, and they are compared exactly too.
struct LastBitsCase
{
    double gama;
    double M;
    double ToT;
    double PoP;
    double RoR;
};

struct MachLastBitsCase
{
    double gama;
    double known;
    double M;
};

TEST(RatiosFromMach, PinsTheLastBitsWhereOtherOrdersDiffer)
{
    constexpr LastBitsCase cases[] = {
        {1.4, 0.8, 1.1279999999999999, 1.5243400095586477, 1.3513652567009289},
        {1.4, 1.9, 1.7219999999999998, 6.7006358241381916, 3.8911938583845482},
        {1.3, 2.9, 2.2614999999999998, 34.333538538332348, 15.181754825705216},
        {1.67, 1.6, 1.8575999999999999, 4.681374660034197, 2.5201198643594944},
    };
    for (const LastBitsCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "gama = " << c.gama << ", M = " << c.M);
        const auto state = flow::RatiosFromMach(c.gama, c.M);
        ASSERT_TRUE(state.has_value());
        EXPECT_EQ(state->ToT, c.ToT);
        EXPECT_EQ(state->PoP, c.PoP);
        EXPECT_EQ(state->RoR, c.RoR);
    }
}

TEST(MachFromToT, PinsTheLastBitsWhereOtherOrdersDiffer)
{
    constexpr MachLastBitsCase cases[] = {
        {1.4, 1.3, 1.2247448713915892},
        {1.3, 2.5, 3.1622776601683795},
        {1.67, 1.7, 1.4455283597377016},
    };
    for (const MachLastBitsCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "gama = " << c.gama << ", To/T = " << c.known);
        EXPECT_EQ(flow::MachFromToT(c.gama, c.known).value(), c.M);
    }
}

TEST(MachFromPoP, PinsTheLastBitsWhereOtherOrdersDiffer)
{
    constexpr MachLastBitsCase cases[] = {
        {1.4, 3, 1.3578256637768369},
        {1.3, 3, 1.3869889911386255},
        {1.67, 2.5, 1.1516165505365508},
        {1.4, 5, 1.7085368137189478},
    };
    for (const MachLastBitsCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "gama = " << c.gama << ", Po/P = " << c.known);
        EXPECT_EQ(flow::MachFromPoP(c.gama, c.known).value(), c.M);
    }
}

TEST(RatiosFromMach, GasAtRestHasUnitRatios)
{
    const auto state = flow::RatiosFromMach(1.4, 0);
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->M, 0);
    EXPECT_EQ(state->ToT, 1);
    EXPECT_EQ(state->PoP, 1);
    EXPECT_EQ(state->RoR, 1);
}

TEST(RatiosFromMach, NegativeMachKeepsItsSignAndGivesTheRatiosOfItsMagnitude)
{
    const auto negative = flow::RatiosFromMach(1.4, -1);
    const auto positive = flow::RatiosFromMach(1.4, 1);
    ASSERT_TRUE(negative.has_value() && positive.has_value());
    EXPECT_EQ(negative->M, -1);
    EXPECT_EQ(negative->ToT, positive->ToT);
    EXPECT_EQ(negative->PoP, positive->PoP);
    EXPECT_EQ(negative->RoR, positive->RoR);
}

TEST(RatiosFromMach, NegativeToTWithWholeExponentsFollowsTheParity)
{
    // gama = 0.5: PoP = ToT^-1 keeps the sign of ToT = -1.25, RoR = ToT^-2 is positive.
    const auto state = flow::RatiosFromMach(0.5, 3);
    ASSERT_TRUE(state.has_value());
    EXPECT_DOUBLE_EQ(state->ToT, -1.25);
    EXPECT_DOUBLE_EQ(state->PoP, -0.8);
    EXPECT_DOUBLE_EQ(state->RoR, 0.64);
}

TEST(MachFromRatios, UnitRatioGivesZeroMach)
{
    EXPECT_EQ(flow::MachFromPoP(1.4, 1).value(), 0);
    EXPECT_EQ(flow::MachFromToT(1.4, 1).value(), 0);
}

TEST(MachFromRatios, RecomputedRatioAgreesWithTheGivenOneToRounding)
{
    const auto fromPoP = flow::calculate(1.4, flow::Known::PoP, 2);
    ASSERT_TRUE(fromPoP.has_value());
    EXPECT_NEAR(fromPoP->M, 1.046455097, 1e-9);
    EXPECT_NEAR(fromPoP->PoP, 2, 4 * std::numeric_limits<double>::epsilon());

    const auto fromToT = flow::calculate(1.4, flow::Known::ToT, 2);
    ASSERT_TRUE(fromToT.has_value());
    EXPECT_NEAR(fromToT->M, std::sqrt(5.0), 4e-16);
    EXPECT_NEAR(fromToT->ToT, 2, 4 * std::numeric_limits<double>::epsilon());
}

enum class Operation : std::uint8_t
{
    PoP,
    ToT,
    Mach
};

struct FailureCase
{
    const char *why;
    Operation operation;
    double gama;
    double known;
    flow::Failure failure;
};

constexpr FailureCase failureCases[] = {
    {"Po/P below 1", Operation::PoP, 1.4, 0.5, flow::Failure::NegativeSquareRoot},
    {"To/T below 1", Operation::ToT, 1.4, 0.9, flow::Failure::NegativeSquareRoot},
    {"To/T above 1 with gama below 1", Operation::ToT, 0.5, 2, flow::Failure::NegativeSquareRoot},
    {"gama = 1, Po/P", Operation::PoP, 1, 2, flow::Failure::DivisionByZero},
    {"gama = 1, To/T", Operation::ToT, 1, 2, flow::Failure::DivisionByZero},
    {"gama = 1, M", Operation::Mach, 1, 2, flow::Failure::DivisionByZero},
    {"gama = 1 fails at 2/a before the square root", Operation::PoP, 1, 0.5,
     flow::Failure::DivisionByZero},
    {"gama = 0 divides the exponent by zero", Operation::PoP, 0, 2, flow::Failure::DivisionByZero},
    {"gama = 0 fails at c/gama before the negative base", Operation::PoP, 0, -1,
     flow::Failure::DivisionByZero},
    {"negative Po/P fails at the power before the square root", Operation::PoP, 1.4, -1,
     flow::Failure::NegativePowerBase},
    {"zero Po/P to the power -1", Operation::PoP, 0.5, 0, flow::Failure::DivisionByZero},
    {"To/T = 0 to the power -1", Operation::Mach, 0.5, 2, flow::Failure::DivisionByZero},
    {"negative To/T to the power -3/7", Operation::Mach, 0.3, 3, flow::Failure::NegativePowerBase},
    {"M * M overflows", Operation::Mach, 1.4, 1e200, flow::Failure::OutOfRange},
    {"Po/P overflows", Operation::Mach, 1.4, 1e60, flow::Failure::OutOfRange},
    {"2/a * (To/T - 1) overflows", Operation::ToT, 1.4, 1e308, flow::Failure::OutOfRange},
    {"subnormal gama overflows the exponent", Operation::PoP, 1e-310, 2, flow::Failure::OutOfRange},
    {"infinite known quantity", Operation::Mach, 1.4, infinity, flow::Failure::OutOfRange},
    {"infinite Po/P", Operation::PoP, 1.4, infinity, flow::Failure::OutOfRange},
    {"infinite To/T", Operation::ToT, 1.4, -infinity, flow::Failure::OutOfRange},
    {"infinite gama comes before gama = 1 checks", Operation::Mach, infinity, 1,
     flow::Failure::OutOfRange},
    {"NaN known quantity", Operation::PoP, 1.4, nan, flow::Failure::OutOfRange},
    {"NaN gama", Operation::ToT, nan, 2, flow::Failure::OutOfRange},
};

TEST(Failures, EachEndsWithItsFirstFailingStep)
{
    for (const FailureCase &c : failureCases) {
        SCOPED_TRACE(c.why);
        switch (c.operation) {
        case Operation::PoP: {
            const auto M = flow::MachFromPoP(c.gama, c.known);
            ASSERT_FALSE(M.has_value());
            EXPECT_EQ(M.error(), c.failure);
            break;
        }
        case Operation::ToT: {
            const auto M = flow::MachFromToT(c.gama, c.known);
            ASSERT_FALSE(M.has_value());
            EXPECT_EQ(M.error(), c.failure);
            break;
        }
        case Operation::Mach: {
            const auto state = flow::RatiosFromMach(c.gama, c.known);
            ASSERT_FALSE(state.has_value());
            EXPECT_EQ(state.error(), c.failure);
            break;
        }
        }
    }
}

TEST(Calculate, StopsAtTheFirstStageThatFails)
{
    EXPECT_EQ(flow::calculate(1.4, flow::Known::PoP, 0.5).error(),
              flow::Failure::NegativeSquareRoot);
    EXPECT_EQ(flow::calculate(1, flow::Known::ToT, 2).error(), flow::Failure::DivisionByZero);
    // The first stage succeeds, the second overflows.
    EXPECT_EQ(flow::calculate(1.4, flow::Known::ToT, 1e200).error(), flow::Failure::OutOfRange);
    EXPECT_EQ(flow::calculate(0.3, flow::Known::M, 3).error(), flow::Failure::NegativePowerBase);
}

TEST(Failures, GamaZeroStillSolvesFromMachAndToT)
{
    EXPECT_TRUE(flow::MachFromToT(0, 0.5).has_value());
    EXPECT_TRUE(flow::RatiosFromMach(0, 1).has_value());
}

TEST(Failures, FailedResultHoldsNoState)
{
    const auto state = flow::RatiosFromMach(1, 2);
    ASSERT_FALSE(state);
    EXPECT_THROW((void)state.value(), std::logic_error);
    EXPECT_THROW((void)flow::RatiosFromMach(1.4, 2).error(), std::logic_error);
}

} // namespace
