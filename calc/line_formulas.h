#pragma once

#include <stdexcept>

namespace tarvelle {

// A step of a formula that must not go on: the formula stops there and stores nothing.
class CalculationError : public std::runtime_error {
public:
    enum class Kind {
        InvalidOperation,      // 0/0, inf/inf and the like
        DivisionByZero,
        Overflow,              // a result beyond the single-precision range
        LogarithmOfNonPositive,
    };
    explicit CalculationError(Kind kind);
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// What sets one line's formula apart: impedance = factor × log10(multiplier × D / d).
struct LineFormula {
    double multiplier;  // applied to D, in double precision, before the division
    float factor;       // K, in single precision
};

// The decimal logarithm in single precision: ln(LogNépérien) / ln(10), the
// logarithms and their quotient in double, the quotient rounded to single.
// Throws CalculationError for an argument that is not positive.
float Log10(float LogNépérien);

// The impedance in ohms of a line with the two dimensions d and D, following the
// precision chain of the calculator: the ratio (multiplier × D) / d is computed in
// double and rounded to single, its Log10 taken, and the product with the factor
// rounded to single. The ratio, the logarithm and the product are each checked;
// a failing step throws CalculationError.
float lineImpedance(const LineFormula& formula, double d, double D);

}  // namespace tarvelle
