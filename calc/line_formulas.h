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

// Two wires: D is the spacing of the axes, d the wire diameter; 2 × D / d.
inline constexpr LineFormula twoWireFormula{2.0, 276.0F};
// Square coax: a square outer conductor of inside width D acts like a round one of
// about 1.07 × D, hence the multiplier.
inline constexpr LineFormula squareCoaxFormula{1.07, 138.0F};
// Round coax: 60 ln(D/d) = 138 log10(D/d), with no correction factor.
inline constexpr LineFormula roundCoaxFormula{1.0, 138.0F};

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
