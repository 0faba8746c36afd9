#include "calc/square_coax_modes.h"

#include <Eigen/QR>
#include <Eigen/SVD>
#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/special_functions/bessel_prime.hpp>
#include <boost/math/tools/minima.hpp>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace tarvelle {
namespace {

using boost::math::cyl_bessel_j;
using boost::math::cyl_bessel_j_prime;
using boost::math::cyl_neumann;
using boost::math::cyl_neumann_prime;

// Lengths in units of D/2: the wall is |x| = 1, |y| = 1, the inner radius a = 1/ratio.
// The mode is odd in x and even in y, like cos θ: the terms are
//   u_n = [J_n(kr)·Y_n'(ka) − Y_n(kr)·J_n'(ka)]·cos nθ, n odd,
// whose radial derivative vanishes on r = a. The wall's quarter in the first quadrant
// carries the Neumann condition, ∂u/∂x = 0 on x = 1 and ∂u/∂y = 0 on y = 1.
class Te11Fit {
public:
    Te11Fit(double ratio, int terms, int wallPoints, int interiorPoints)
        : a_(1.0 / ratio), terms_(terms), wallPoints_(wallPoints), interiorPoints_(interiorPoints)
    {
    }

    // sin of the smallest subspace angle between the terms' span and functions that
    // vanish on the wall's derivative: near 0 at an eigenvalue.
    double angle(double k) const
    {
        const int rows = 2 * wallPoints_ + interiorPoints_;
        Eigen::MatrixXd fit(rows, terms_);
        for (int j = 0; j < terms_; ++j) {
            const int n = 2 * j + 1;
            const double yPrimeA = cyl_neumann_prime(n, k * a_), jPrimeA = cyl_bessel_j_prime(n, k * a_);
            int row = 0;
            for (int side = 0; side < 2; ++side) {
                for (int i = 0; i < wallPoints_; ++i) {
                    // Chebyshev-like points, bunched at the midpoint and the corner.
                    const double t = 0.5 * (1.0 - std::cos(std::numbers::pi * (i + 0.5) / wallPoints_));
                    const double x = side == 0 ? 1.0 : t, y = side == 0 ? t : 1.0;
                    fit(row++, j) = side == 0 ? derivative(n, k, yPrimeA, jPrimeA, x, y).first
                                              : derivative(n, k, yPrimeA, jPrimeA, x, y).second;
                }
            }
            for (int i = 0; i < interiorPoints_; ++i) {
                // Points spread over the quarter between the conductors, fixed by a
                // low-discrepancy sequence.
                const double s = std::fmod(0.5 + i * 0.6180339887498949, 1.0);
                const double u = std::fmod(0.5 + i * 0.7548776662466927, 1.0);
                const double r = a_ + (1.0 - a_) * (0.1 + 0.8 * s);
                const double theta = std::numbers::pi / 2.0 * (0.05 + 0.9 * u);
                fit(row++, j) = radial(n, k, yPrimeA, jPrimeA, r) * std::cos(n * theta);
            }
        }
        for (int j = 0; j < terms_; ++j)
            fit.col(j).normalize();
        const Eigen::HouseholderQR<Eigen::MatrixXd> qr(fit);
        const Eigen::MatrixXd q = qr.householderQ() * Eigen::MatrixXd::Identity(rows, terms_);
        const Eigen::JacobiSVD<Eigen::MatrixXd> svd(q.topRows(2 * wallPoints_));
        return svd.singularValues().minCoeff();
    }

private:
    double radial(int n, double k, double yPrimeA, double jPrimeA, double r) const
    {
        return cyl_bessel_j(n, k * r) * yPrimeA - cyl_neumann(n, k * r) * jPrimeA;
    }

    std::pair<double, double> derivative(int n, double k, double yPrimeA, double jPrimeA, double x, double y) const
    {
        const double r = std::hypot(x, y), theta = std::atan2(y, x);
        const double radialValue = radial(n, k, yPrimeA, jPrimeA, r);
        const double radialSlope = k * (cyl_bessel_j_prime(n, k * r) * yPrimeA - cyl_neumann_prime(n, k * r) * jPrimeA);
        const double ur = radialSlope * std::cos(n * theta);
        const double ut = -n * radialValue * std::sin(n * theta) / r;  // (1/r)·∂u/∂θ
        return {ur * std::cos(theta) - ut * std::sin(theta), ur * std::sin(theta) + ut * std::cos(theta)};
    }

    double a_;
    int terms_, wallPoints_, interiorPoints_;
};

}  // namespace

double squareCoaxTe11(double ratio)
{
    if (!(ratio >= 1.1))
        return std::numeric_limits<double>::quiet_NaN();
    const int terms = 24;
    const Te11Fit fit(ratio, terms, 2 * terms, 2 * terms);
    // Between the round coax's 2/(1 + a) for the circle of the square's size and the
    // empty square's π/2, a scan for the smallest angle, then Brent's method.
    const double a = 1.0 / ratio;
    const double low = 0.6 * std::min(2.0 / (1.0 + a), std::numbers::pi / 2.0);
    const double high = 1.05 * std::numbers::pi / 2.0;
    const int scan = 80;
    double best = low, bestAngle = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= scan; ++i) {
        const double k = low + (high - low) * i / scan;
        const double value = fit.angle(k);
        if (value < bestAngle)
            std::tie(best, bestAngle) = std::pair(k, value);
    }
    const double step = (high - low) / scan;
    std::uintmax_t iterations = 100;
    const auto found = boost::math::tools::brent_find_minima([&](double k) { return fit.angle(k); }, best - step,
                                                             best + step, 52, iterations);
    return found.first;
}

}  // namespace tarvelle
