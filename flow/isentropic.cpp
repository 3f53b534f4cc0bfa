// Isentropic relations, one double operation per line in the order that fixes their last bits.
#include "isentropic.h"

#include <cmath>
#include <optional>

namespace flow {
namespace {

// Carries out the steps plainly, as fast as the operations themselves, and only notes whether
// any result was not finite: r - r is 0 for a finite r and NaN for an infinity or a NaN, and a
// NaN stays in the sum. This is the path every successful calculation takes.
class PlainSteps
{
public:
    PlainSteps(double x, double y) { note(x), note(y); }

    double subtract(double x, double y) { return note(x - y); }
    double add(double x, double y) { return note(x + y); }
    double multiply(double x, double y) { return note(x * y); }
    double divide(double x, double y) { return note(x / y); }
    double power(double base, double exponent) { return note(std::pow(base, exponent)); }
    double squareRoot(double x) { return note(std::sqrt(x)); }

    [[nodiscard]] bool allFinite() const { return m_sum == 0; }

private:
    double note(double result)
    {
        m_sum += result - result;
        return result;
    }

    double m_sum = 0;
};

// Carries out the steps again when one of them was not finite, and tells which step came first
// and what kind of failure it was. Later steps still run, on NaN or infinity, but they can no
// longer change the verdict.
class CheckedSteps
{
public:
    CheckedSteps(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            m_failure = Failure::OutOfRange;
    }

    double subtract(double x, double y) { return check(x - y, Failure::OutOfRange); }
    double add(double x, double y) { return check(x + y, Failure::OutOfRange); }
    double multiply(double x, double y) { return check(x * y, Failure::OutOfRange); }

    double divide(double x, double y)
    {
        const double result = x / y;
        if (!std::isfinite(result))
            fail(y == 0 ? Failure::DivisionByZero : Failure::OutOfRange);
        return result;
    }

    double power(double base, double exponent)
    {
        const double result = std::pow(base, exponent);
        if (!std::isfinite(result)) {
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
        if (!std::isfinite(result))
            fail(x < 0 ? Failure::NegativeSquareRoot : Failure::OutOfRange);
        return result;
    }

    // Only called after the plain steps met a result that was not finite.
    [[nodiscard]] Failure failure() const { return m_failure.value_or(Failure::OutOfRange); }

private:
    double check(double result, Failure failure)
    {
        if (!std::isfinite(result))
            fail(failure);
        return result;
    }

    void fail(Failure failure)
    {
        if (!m_failure)
            m_failure = failure;
    }

    std::optional<Failure> m_failure;
};

// Each relation is written once, as its steps in order, and carried out by either kind of steps.

template<typename Steps>
double MachFromPoPSteps(Steps &s, double gama, double PoP)
{
    const double a = s.subtract(gama, 1);
    const double b = s.divide(2, a);
    const double c = s.subtract(gama, 1);
    const double d = s.divide(c, gama);
    const double e = s.power(PoP, d);
    const double f = s.subtract(e, 1);
    const double g = s.multiply(b, f);
    return s.squareRoot(g);
}

template<typename Steps>
double MachFromToTSteps(Steps &s, double gama, double ToT)
{
    const double a = s.subtract(gama, 1);
    const double b = s.divide(2, a);
    const double f = s.subtract(ToT, 1);
    const double g = s.multiply(b, f);
    return s.squareRoot(g);
}

template<typename Steps>
FlowState RatiosFromMachSteps(Steps &s, double gama, double M)
{
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
    return {M, ToT, PoP, RoR};
}

// The plain steps first; the checked ones only to explain a failure.
template<typename T, T (*Relation)(PlainSteps &, double, double),
         T (*Explain)(CheckedSteps &, double, double)>
Result<T> Run(double x, double y)
{
    PlainSteps plain(x, y);
    const T result = Relation(plain, x, y);
    if (plain.allFinite()) [[likely]]
        return result;
    CheckedSteps checked(x, y);
    (void)Explain(checked, x, y);
    return checked.failure();
}

} // namespace

Result<double> MachFromPoP(double gama, double PoP)
{
    return Run<double, MachFromPoPSteps, MachFromPoPSteps>(gama, PoP);
}

Result<double> MachFromToT(double gama, double ToT)
{
    return Run<double, MachFromToTSteps, MachFromToTSteps>(gama, ToT);
}

Result<FlowState> RatiosFromMach(double gama, double M)
{
    return Run<FlowState, RatiosFromMachSteps, RatiosFromMachSteps>(gama, M);
}

Result<FlowState> Calculate(double gama, Known known, double value)
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
