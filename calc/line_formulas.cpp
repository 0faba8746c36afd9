#include "calc/line_formulas.h"

#include <cmath>

namespace tarvelle {
namespace {

const char* describe(CalculationError::Kind kind)
{
    switch (kind) {
    case CalculationError::Kind::InvalidOperation: return "invalid operation";
    case CalculationError::Kind::DivisionByZero: return "division by zero";
    case CalculationError::Kind::Overflow: return "overflow";
    case CalculationError::Kind::LogarithmOfNonPositive: return "logarithm of a number that is not positive";
    }
    return "calculation error";
}

[[noreturn]] void fail(CalculationError::Kind kind) { throw CalculationError(kind); }

// Doubles from this one up round to single-precision infinity (the midpoint between
// the largest single and 2^128 rounds to even, that is upwards).
constexpr double singleOverflowThreshold = 0x1.ffffffp127;

// Rounds the double result of a step to single precision and applies the arithmetic
// check: not a number is an invalid operation, anything that is or would round to
// infinity is an overflow. Underflow to zero and inexact results are no errors.
float checkedSingle(double value)
{
    if (std::isnan(value))
        fail(CalculationError::Kind::InvalidOperation);
    if (std::fabs(value) >= singleOverflowThreshold)
        fail(CalculationError::Kind::Overflow);
    return static_cast<float>(value);
}

}  // namespace

CalculationError::CalculationError(Kind kind)
    : std::runtime_error(describe(kind)), kind_(kind)
{
}

float Log10(float LogNépérien)
{
    if (!(LogNépérien > 0.0F))
        fail(CalculationError::Kind::LogarithmOfNonPositive);
    const double lnTen = std::log(10.0);
    const double lnArgument = std::log(static_cast<double>(LogNépérien));
    return checkedSingle(lnArgument / lnTen);
}

float lineImpedance(const LineFormula& formula, double d, double D)
{
    const double scaled = formula.multiplier * D;
    if (d == 0.0) {
        fail(scaled == 0.0 || std::isnan(scaled) ? CalculationError::Kind::InvalidOperation
                                                : CalculationError::Kind::DivisionByZero);
    }
    const float ratio = checkedSingle(scaled / d);
    const float logarithm = Log10(ratio);
    // The product of two singles is exact in double, so rounding it once gives the
    // single-precision product.
    return checkedSingle(static_cast<double>(logarithm) * static_cast<double>(formula.factor));
}

}  // namespace tarvelle
