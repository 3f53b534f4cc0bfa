// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Isentropic relations, one double operation per line in the order that fixes their last bits.
#include "isentropic.h"

#include <cmath>

namespace flow {
namespace {

// Carries out the steps of one relation and checks each result. The first step whose result is
// not finite decides the failure; the later steps still run, on NaN or infinity, but can no
// longer change it.
class Steps
{
public:
    Steps(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            fail(Failure::OutOfRange);
    }

    double subtract(double x, double y) { return check(x - y); }
    double add(double x, double y) { return check(x + y); }
    double multiply(double x, double y) { return check(x * y); }

    double divide(double x, double y)
    {
        const double result = x / y;
        if (!std::isfinite(result)) [[unlikely]]
            fail(y == 0 ? Failure::DivisionByZero : Failure::OutOfRange);
        return result;
    }

    double power(double base, double exponent)
    {
        const double result = std::pow(base, exponent);
        if (!std::isfinite(result)) [[unlikely]] {
            if (base < 0 && std::trunc(exponent) != exponent)
                fail(Failure::NegativePowerBase);
            else if (base == 0 && exponent < 0)
                fail(Failure::DivisionByZero);
            else
                fail(Failure::OutOfRange);
        }
        return result;
    }

    double squareRoot(double x)
    {
        const double result = std::sqrt(x);
        if (!std::isfinite(result)) [[unlikely]]
            fail(x < 0 ? Failure::NegativeSquareRoot : Failure::OutOfRange);
        return result;
    }

    // The result of the relation, or the failure of its first failing step.
    template<typename T>
    [[nodiscard]] Result<T> result(const T &value) const
    {
        if (m_status != none) [[unlikely]]
            return static_cast<Failure>(m_status - 1);
        return value;
    }

private:
    double check(double result)
    {
        if (!std::isfinite(result)) [[unlikely]]
            fail(Failure::OutOfRange);
        return result;
    }

    void fail(Failure failure)
    {
        if (m_status == none)
            m_status = 1 + static_cast<unsigned>(failure);
    }

    // 0 while every result is finite, else 1 + the first failure; a plain integer keeps the
    // steps in registers, with no stack frame for the stack protector to guard.
    static constexpr unsigned none = 0;
    unsigned m_status = none;
};

} // namespace

Result<double> MachFromPoP(double gama, double PoP)
{
    Steps s(gama, PoP);
    const double a = s.subtract(gama, 1);
    const double b = s.divide(2, a);
    const double c = s.subtract(gama, 1);
    const double d = s.divide(c, gama);
    const double e = s.power(PoP, d);
    const double f = s.subtract(e, 1);
    const double g = s.multiply(b, f);
    return s.result(s.squareRoot(g));
}

Result<double> MachFromToT(double gama, double ToT)
{
    Steps s(gama, ToT);
    const double a = s.subtract(gama, 1);
    const double b = s.divide(2, a);
    const double f = s.subtract(ToT, 1);
    const double g = s.multiply(b, f);
    return s.result(s.squareRoot(g));
}

Result<FlowState> RatiosFromMach(double gama, double M)
{
    Steps s(gama, M);
    const double a = s.subtract(gama, 1);
    const double h = s.divide(a, 2);
    const double i = s.multiply(h, M);
    const double j = s.multiply(i, M);
    const double ToT = s.add(1, j);
    const double k = s.subtract(gama, 1);
    const double p = s.divide(gama, k);
    const double PoP = s.power(ToT, p);
    const double q = s.subtract(gama, 1);
    const double r = s.divide(1, q);
    const double RoR = s.power(ToT, r);
    return s.result(FlowState {.M = M, .ToT = ToT, .PoP = PoP, .RoR = RoR});
}

Result<FlowState> calculate(double gama, Known known, double value)
{
    Result<double> M = value;
    if (known == Known::PoP)
        M = MachFromPoP(gama, value);
    else if (known == Known::ToT)
        M = MachFromToT(gama, value);
    if (!M)
        return M.error();
    return RatiosFromMach(gama, *M);
}

} // namespace flow
