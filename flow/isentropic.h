// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Isentropic relations of a perfect gas between the Mach number and the stagnation ratios.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace flow {

// The four quantities of one calculation. Every member is finite.
struct FlowState
{
    double M; // Mach number
    double ToT; // stagnation to static temperature ratio, To/T
    double PoP; // stagnation to static pressure ratio, Po/P
    double RoR; // stagnation to static density ratio, rho_o/rho
};

// The quantity a calculation starts from.
enum class Known : std::uint8_t
{
    M,
    PoP,
    ToT
};

// Why a calculation has no finite real result. The first step that goes wrong decides.
enum class Failure : std::uint8_t
{
    DivisionByZero, // a divisor of zero, or zero raised to a negative power
    NegativeSquareRoot, // the square root of a negative number
    NegativePowerBase, // a negative number raised to a power that is not a whole number
    OutOfRange, // a non-finite argument, or a result beyond the range of a double
};

// Either a value or the failure that prevented it; the same shape as C++23's std::expected.
// A value and one integer of status rather than a std::variant or a std::optional: those go
// back to the caller through memory, partly written and read whole, which stalls every call;
// a double and an integer return in registers.
template<typename T>
class Result
{
public:
    // Implicit on purpose, so that an operation returns its value or its failure as it is.
    Result(T value)
        : m_value(value)
    { }
    Result(Failure failure)
        : m_status(1 + static_cast<unsigned>(failure))
    { }

    [[nodiscard]] bool has_value() const { return m_status == succeeded; }
    explicit operator bool() const { return has_value(); }

    // Throw std::logic_error when asked for what is not there.
    [[nodiscard]] const T &value() const
    {
        if (!has_value())
            throw std::logic_error("flow::Result: the calculation failed and has no value");
        return m_value;
    }
    [[nodiscard]] Failure error() const
    {
        if (has_value())
            throw std::logic_error("flow::Result: the calculation succeeded and has no failure");
        return static_cast<Failure>(m_status - 1);
    }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }

private:
    static constexpr unsigned succeeded = 0;
    T m_value {};
    unsigned m_status = succeeded; // or 1 + the failure
};

// The operations below hold no state. Each double operation is done in a fixed order, so the
// last bits of every result are reproducible: gama = 1.4 and M = 2 give ToT = 1.7999999999999998.
// Every intermediate result must be finite; the first one that is not ends the calculation.

// M = sqrt(2/(gama - 1) * (PoP^((gama - 1)/gama) - 1))
[[nodiscard]] Result<double> MachFromPoP(double gama, double PoP);

// M = sqrt(2/(gama - 1) * (ToT - 1))
[[nodiscard]] Result<double> MachFromToT(double gama, double ToT);

// ToT = 1 + (gama - 1)/2 * M * M, PoP = ToT^(gama/(gama - 1)), RoR = ToT^(1/(gama - 1)).
// The returned M is the given one, sign included.
[[nodiscard]] Result<FlowState> RatiosFromMach(double gama, double M);

// A whole calculation in its two stages: the Mach number is the known value itself or comes
// from MachFromPoP or MachFromToT; RatiosFromMach then gives the rest. A known ratio is thus
// replaced by its value recomputed from M (the two agree to rounding).
[[nodiscard]] Result<FlowState> calculate(double gama, Known known, double value);

} // namespace flow
