#include "calc/square_coax_field.h"

#include <Eigen/QR>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

namespace tarvelle {
namespace {

using Complex = std::complex<double>;

// 1/c without the library's guards against overflow, which cost more than the rest of
// a term here and are not needed: every c below is of order 1.
Complex reciprocal(Complex c) { return std::conj(c) / std::norm(c); }

// Lengths are in units of the square's half-width D/2: the wall is x = 1, the inner
// radius a = 1/ratio. Every term has the full symmetry of the square, so the fit needs
// only the eighth of the wall from y = 0 (mid-side) to y = 1 (the corner).
class Basis {
public:
    Basis(double ratio, int multipoles, int gapPoles)
        : logRatio_(std::log(ratio)),
          a2_(1.0 / ratio / ratio),
          a8_(a2_ * a2_ * a2_ * a2_),
          gap_(std::sqrt((1.0 - 1.0 / ratio) * (1.0 + 1.0 / ratio))),
          pole_(1.0 + gap_),
          spread_(std::asinh(1.0 / gap_)),
          multipoles_(multipoles),
          gapPoles_(gapPoles)
    {
    }

    int size() const { return 1 + multipoles_ + gapPoles_; }

    // The wall point y for t in [0, 1]: even in asinh(y/s), the gap's own length scale,
    // and bunched toward both ends the way Chebyshev points are, where a least-squares
    // fit of analytic functions needs them.
    double wallPoint(double t) const
    {
        const double c = 0.5 * (1.0 - std::cos(std::numbers::pi * t));
        return gap_ * std::sinh(spread_ * c);
    }

    // The terms at the wall point z = 1 + iy.
    void evaluate(double y, double* row) const
    {
        const Complex z(1.0, y);
        // ln(r/a), split so that a huge ratio does not overflow r/a.
        row[0] = 0.5 * std::log1p(y * y) + logRatio_;

        // Re z^4n less its image in the circle, Re (a²/z)^4n: their difference is 0 on
        // r = a. Only multiples of 4 keep the square's symmetry.
        const Complex z2 = z * z;
        const Complex z4 = z2 * z2;
        const Complex inverse4 = a8_ * reciprocal(z4);
        Complex outer = 1.0, inner = 1.0;
        for (int n = 1; n <= multipoles_; ++n) {
            outer *= z4;
            inner *= inverse4;
            row[n] = outer.real() - inner.real();
        }

        // The field between a circle and a plane is that of two line charges, at
        // w = 1 + s, s = √(1 − a²), and at a²/w: the points that are mirror images in the
        // wall and inverse in the circle. Mirroring in the wall and inverting in the
        // circle, again and again, carries every point toward w, so the field continued
        // past the wall has all the irregularities of a narrow gap crowded about w; poles
        // of order k there (each less its image in the circle, so again 0 on r = a)
        // capture them, where the multipoles about the axis would converge too slowly.
        // The copy for side m is turned by i^m, and so is its poles' orientation, by
        // i^mk. The scale s^k makes them of order 1 on the wall.
        const Complex a2z = a2_ * reciprocal(z);
        Complex step[4], image[4], outerPower[4], imagePower[4];
        Complex turn = 1.0;
        for (int m = 0; m < 4; ++m) {
            step[m] = gap_ * turn * reciprocal(z - turn * pole_);
            image[m] = gap_ * turn * reciprocal(a2z - turn * pole_);
            outerPower[m] = imagePower[m] = 1.0;
            turn *= Complex(0.0, 1.0);
        }
        for (int k = 1; k <= gapPoles_; ++k) {
            double sum = 0.0;
            for (int m = 0; m < 4; ++m) {
                outerPower[m] *= step[m];
                imagePower[m] *= image[m];
                sum += outerPower[m].real() - imagePower[m].real();
            }
            row[multipoles_ + k] = sum;
        }
    }

    // The complex derivatives at any z of the analytic functions whose real parts are
    // the terms: the field of the fitted potential is the conjugate of their sum.
    void derive(Complex z, Complex* row) const
    {
        const Complex inverse = reciprocal(z);
        row[0] = inverse;
        const Complex z4 = (z * z) * (z * z);
        const Complex inverse4 = a8_ * reciprocal(z4);
        Complex outer = 1.0, inner = 1.0;
        for (int n = 1; n <= multipoles_; ++n) {
            outer *= z4;
            inner *= inverse4;
            // d/dz z^4n = 4n z^4n / z, and d/dz (a²/z)^4n = −4n (a²/z)^4n / z.
            row[n] = 4.0 * n * (outer + inner) * inverse;
        }
        const Complex a2z = a2_ * inverse;
        Complex turn = 1.0;
        for (int k = 1; k <= gapPoles_; ++k)
            row[multipoles_ + k] = 0.0;
        for (int m = 0; m < 4; ++m) {
            const Complex toPole = reciprocal(z - turn * pole_);
            const Complex step = gap_ * turn * toPole;
            const Complex image = gap_ * turn * reciprocal(a2z - turn * pole_);
            // d/dz step^k = −k step^k/(z − t·w); d/dz image^k = k image^(k+1) a²/(s t z²).
            const Complex imageFactor = a2_ * inverse * inverse * reciprocal(gap_ * turn);
            Complex stepPower = 1.0, imagePower = image;
            for (int k = 1; k <= gapPoles_; ++k) {
                stepPower *= step;
                imagePower *= image;
                row[multipoles_ + k] += -static_cast<double>(k) * stepPower * toPole -
                                        static_cast<double>(k) * imagePower * imageFactor;
            }
            turn *= Complex(0.0, 1.0);
        }
    }

private:
    double logRatio_;
    double a2_, a8_;
    double gap_;     // s: the distance from the wall to the charge at w
    double pole_;    // w
    double spread_;  // asinh(1/s), the span of the wall in the points' variable
    int multipoles_, gapPoles_;
};

// The sizes that reach a wall error near 1e-14 for ratios from 1.02 up, and 1e-11 at
// 1.001, from a survey of ratios: a few terms away from the walls, more as the gaps
// narrow, in proportion to the 1.5th power of the decades of D/d − 1 below 1.
void chooseSizes(double ratio, int& multipoles, int& gapPoles)
{
    // Held between 0 and 4 decades, written so that a ratio of 1 or below, or not a
    // number, gives sizes too, and the fit then reports its failure.
    const double decades = -std::log10(ratio - 1.0);
    const double narrowness = decades > 4.0 ? 4.0 : decades > 0.0 ? decades : 0.0;
    const int extra = static_cast<int>(std::ceil(5.0 * std::pow(narrowness, 1.5)));
    multipoles = 5 + extra;
    gapPoles = 6 + extra;
}

}  // namespace

SquareCoaxField solveSquareCoaxField(double ratio, int multipoles, int gapPoles)
{
    const Basis basis(ratio, multipoles, gapPoles);
    const int terms = basis.size();
    // Twice as many points as terms, so that the fit cannot swing between them.
    const int points = 2 * terms + 4;

    Eigen::MatrixXd fit(points, terms);
    Eigen::VectorXd row(terms);
    for (int i = 0; i < points; ++i) {
        basis.evaluate(basis.wallPoint((i + 0.5) / points), row.data());
        fit.row(i) = row.transpose();
    }
    // Terms differ in size by powers of 4 (the corner is √2 out): each column is scaled
    // to a largest value of 1, or the decomposition would see them as nearly dependent.
    const Eigen::VectorXd scale = fit.cwiseAbs().colwise().maxCoeff().transpose();
    fit = fit * scale.cwiseInverse().asDiagonal();
    const Eigen::VectorXd coefficients =
        fit.colPivHouseholderQr().solve(Eigen::VectorXd::Ones(points)).cwiseQuotient(scale);

    // The error peaks between the fitted points: check there and at both ends. (Against
    // 25 checks between each pair of points, this finds at least 3/4 of the largest
    // error; above rounding, the error of c0 has stayed below a third of what it finds.)
    double wallError = 0.0;
    for (int i = 0; i <= points; ++i) {
        basis.evaluate(basis.wallPoint(static_cast<double>(i) / points), row.data());
        const double error = std::fabs(row.dot(coefficients) - 1.0);
        wallError = error > wallError || std::isnan(error) ? error : wallError;
    }
    if (std::isnan(wallError))
        wallError = std::numeric_limits<double>::infinity();
    return {coefficients(0), wallError, multipoles, gapPoles, ratio,
            std::vector<double>(coefficients.data(), coefficients.data() + terms)};
}

double fieldStrength(const SquareCoaxField& field, double x, double y)
{
    const Basis basis(field.ratio, field.multipoles, field.gapPoles);
    std::vector<Complex> row(static_cast<std::size_t>(basis.size()));
    basis.derive(Complex(x, y), row.data());
    Complex sum = 0.0;
    for (std::size_t j = 0; j < row.size(); ++j)
        sum += field.coefficients[j] * row[j];
    return std::abs(sum);
}

SquareCoaxField solveSquareCoaxField(double ratio)
{
    int multipoles = 0, gapPoles = 0;
    chooseSizes(ratio, multipoles, gapPoles);
    SquareCoaxField best = solveSquareCoaxField(ratio, multipoles, gapPoles);
    // The sizes came from a survey; should a ratio need more, half as many again, twice.
    for (int attempt = 0; attempt < 2 && best.wallError > 1e-10; ++attempt) {
        multipoles += multipoles / 2;
        gapPoles += gapPoles / 2;
        const SquareCoaxField next = solveSquareCoaxField(ratio, multipoles, gapPoles);
        if (next.wallError < best.wallError)
            best = next;
    }
    return best;
}

}  // namespace tarvelle
