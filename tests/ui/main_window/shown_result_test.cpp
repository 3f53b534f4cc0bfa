// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The results of seeded calculations as the boxes show them, against an exact rounding of each
// double done here in integers.
#include "flow/isentropic.h"
#include "ui/main_window/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {

// The text of x rounded to 4 decimals, a half going to the even neighbour, from the exact binary
// value: x is m 2^e, so x 10^4 is m 5^4 2^(e + 4), whose fraction is the bits shifted out.
// For |x| below 2^33, where the text needs no exponent and has at most 14 digits.
std::string exactRounding(double x)
{
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    // The bits of m 5^4 (below 2^63) under the unit of the fourth decimal: 16 at least.
    const int shift = 53 - exponent - 4;
    const std::uint64_t scaled = m * 625;
    std::uint64_t units = 0;
    if (shift < 64) {
        units = scaled >> shift;
        const std::uint64_t rest = scaled & ((std::uint64_t {1} << shift) - 1);
        const std::uint64_t half = std::uint64_t {1} << (shift - 1);
        if (rest > half || (rest == half && (units & 1) != 0))
            ++units;
    } // else x 10^4 < 2^63 2^-64, below a half: rounds to 0
    if (units == 0)
        return "0";
    std::string decimals = std::to_string(units % 10'000);
    decimals.insert(0, 4 - decimals.size(), '0');
    while (decimals.back() == '0')
        decimals.pop_back();
    std::string text = x < 0 ? "-" : "";
    text += std::to_string(units / 10'000);
    if (!decimals.empty())
        text += "." + decimals;
    return text;
}

TEST(ExactRounding, AgreesWithKnownTexts)
{
    EXPECT_EQ(exactRounding(1.0464550974), "1.0465");
    EXPECT_EQ(exactRounding(0.03125), "0.0312");
    EXPECT_EQ(exactRounding(0.09375), "0.0938");
    EXPECT_EQ(exactRounding(1.00005), "1.0001");
    EXPECT_EQ(exactRounding(0.00015), "0.0001");
    EXPECT_EQ(exactRounding(-1.7999999999999998), "-1.8");
    EXPECT_EQ(exactRounding(0.00004), "0");
    EXPECT_EQ(exactRounding(123456789.5), "123456789.5");
    EXPECT_EQ(exactRounding(1e-300), "0");
}

// 20,000 calculations from each known quantity over the gases and speeds that users enter.
TEST(ShownResults, AreTheExactRoundingOfEachComputedValue)
{
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> gamas(1.01, 1.67);
    std::uniform_real_distribution<double> machs(-0.5, 8);
    std::uniform_real_distribution<double> logRatios(0, 8);
    int checked = 0;
    for (int row = 0; row < 20'000; ++row) {
        const double gama = gamas(random);
        const auto known = static_cast<flow::Known>(row % 3);
        double value = machs(random);
        if (known != flow::Known::M)
            value = std::exp(logRatios(random)); // 1 to about 3,000
        const auto state = flow::calculate(gama, known, value);
        if (!state)
            continue;
        for (const double x : {state->M, state->PoP, state->ToT, state->RoR}) {
            if (std::fabs(x) >= 0x1p33)
                continue;
            ASSERT_EQ(ShowNumber(x), exactRounding(x))
                << "gama " << gama << ", known value " << value << ", x " << x;
            ++checked;
        }
    }
    EXPECT_GT(checked, 60'000);
}

} // namespace
