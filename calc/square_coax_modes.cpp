#include "calc/square_coax_modes.h"

#include "calc/square_coax_te11_table.h"

#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/tools/minima.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <tuple>
#include <vector>

namespace tarvelle {
namespace {

// J_n(x) and Y_n(x) for n = 0 … top: Y by the forward recurrence, which is stable for
// it, J by Miller's backward recurrence from well above both top and x, rescaled as it
// grows and normalised by J0 + 2·ΣJ_2m = 1.
void besselOrders(double x, int top, std::vector<double>& j, std::vector<double>& y)
{
    j.assign(static_cast<std::size_t>(top) + 2, 0.0);
    y.assign(static_cast<std::size_t>(top) + 2, 0.0);
    y[0] = boost::math::cyl_neumann(0, x);
    y[1] = boost::math::cyl_neumann(1, x);
    for (int n = 1; n <= top; ++n)
        y[n + 1] = 2.0 * n / x * y[n] - y[n - 1];
    const int start = 2 * ((std::max(top, static_cast<int>(x)) + 30) / 2);
    double above = 0.0, here = 1e-30, sum = 0.0;
    for (int n = start; n > 0; --n) {
        const double below = 2.0 * n / x * here - above;
        if (n - 1 <= top + 1)
            j[n - 1] = below;
        if ((n - 1) % 2 == 0)
            sum += n - 1 == 0 ? below : 2.0 * below;
        above = here;
        here = below;
        if (std::fabs(here) > 1e250) {  // rescaled, with what is kept so far
            above *= 1e-250;
            here *= 1e-250;
            sum *= 1e-250;
            for (double& value : j)
                value *= 1e-250;
        }
    }
    for (double& value : j)
        value /= sum;
}

// A tall matrix by columns, small enough that plain loops serve.
struct Columns {
    int rows = 0, cols = 0;
    std::vector<double> values;  // column after column
    double* column(int j) { return values.data() + static_cast<std::ptrdiff_t>(j) * rows; }
    double& operator()(int i, int j) { return column(j)[i]; }
};

double dot(const double* a, const double* b, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += a[i] * b[i];
    return sum;
}

// Gram–Schmidt, each column orthogonalised twice ("twice is enough"): the columns
// become orthonormal, and r (cols × cols, upper, by rows) takes the triangle, so that
// the matrix was Q·R; backward stable for the conditions met here, up to 1e10.
void orthonormalise(Columns& a, std::vector<double>& r)
{
    r.assign(static_cast<std::size_t>(a.cols) * a.cols, 0.0);
    for (int j = 0; j < a.cols; ++j) {
        double* column = a.column(j);
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < j; ++i) {
                const double c = dot(a.column(i), column, a.rows);
                r[static_cast<std::size_t>(i) * a.cols + j] += c;
                for (int k = 0; k < a.rows; ++k)
                    column[k] -= c * a.column(i)[k];
            }
        }
        const double norm = std::sqrt(dot(column, column, a.rows));
        r[static_cast<std::size_t>(j) * a.cols + j] = norm;
        for (int k = 0; k < a.rows; ++k)
            column[k] /= norm;
    }
}

// The smallest singular value of the upper triangle r (n × n, by rows), by inverse
// iteration on RᵀR, two triangular solves a step. Where it matters, near an eigenvalue,
// it lies far below the next one and a few steps reach it; elsewhere the scan needs
// only its size.
double smallestSingularValue(const std::vector<double>& r, int n)
{
    const auto at = [&](int i, int j) { return r[static_cast<std::size_t>(i) * n + j]; };
    std::vector<double> x(static_cast<std::size_t>(n), 1.0 / std::sqrt(n)), y(x.size());
    for (int step = 0; step < 12; ++step) {
        for (int i = 0; i < n; ++i) {  // Rᵀy = x
            double sum = x[i];
            for (int k = 0; k < i; ++k)
                sum -= at(k, i) * y[k];
            y[i] = sum / at(i, i);
        }
        for (int i = n - 1; i >= 0; --i) {  // Rx = y
            double sum = y[i];
            for (int k = i + 1; k < n; ++k)
                sum -= at(i, k) * x[k];
            x[i] = sum / at(i, i);
        }
        const double norm = std::sqrt(dot(x.data(), x.data(), n));
        for (double& value : x)
            value /= norm;
    }
    double square = 0.0;
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        for (int k = i; k < n; ++k)
            sum += at(i, k) * x[k];
        square += sum * sum;
    }
    return std::sqrt(square);
}

// Lengths in units of D/2: the wall is |x| = 1, |y| = 1, the inner radius a = 1/ratio.
// The mode is odd in x and even in y, like cos θ: the terms are
//   u_n = [J_n(kr)·Y_n'(ka) − Y_n(kr)·J_n'(ka)]·cos nθ, n odd,
// whose radial derivative vanishes on r = a. The wall's quarter in the first quadrant
// carries the Neumann condition, ∂u/∂x = 0 on x = 1 and ∂u/∂y = 0 on y = 1.
class Te11Fit {
public:
    Te11Fit(double ratio, int terms, int wallPoints, int interiorPoints)
        : a_(1.0 / ratio), terms_(terms), wallPoints_(wallPoints)
    {
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < wallPoints; ++i) {
                // Chebyshev-like points, bunched at the midpoint and the corner.
                const double t = 0.5 * (1.0 - std::cos(std::numbers::pi * (i + 0.5) / wallPoints));
                points_.push_back(side == 0 ? Point{1.0, t, 0} : Point{t, 1.0, 1});
            }
        }
        for (int i = 0; i < interiorPoints; ++i) {
            // Spread over the quarter between the conductors by a low-discrepancy sequence.
            const double s = std::fmod(0.5 + i * 0.6180339887498949, 1.0);
            const double u = std::fmod(0.5 + i * 0.7548776662466927, 1.0);
            const double r = a_ + (1.0 - a_) * (0.1 + 0.8 * s);
            const double theta = std::numbers::pi / 2.0 * (0.05 + 0.9 * u);
            points_.push_back({r * std::cos(theta), r * std::sin(theta), 2});
        }
    }

    // The smallest singular value of the wall's rows of an orthonormal basis of the
    // terms' span: the sine of the smallest angle to functions that meet the wall's
    // condition, near 0 at an eigenvalue.
    double angle(double k) const
    {
        const int top = 2 * terms_;
        std::vector<double> j, y;
        besselOrders(k * a_, top, j, y);
        std::vector<double> yPrimeA(terms_), jPrimeA(terms_);
        for (int m = 0; m < terms_; ++m) {
            const int n = 2 * m + 1;
            // Z_n' = Z_{n−1} − (n/x)·Z_n for J and Y alike.
            jPrimeA[m] = j[n - 1] - n / (k * a_) * j[n];
            yPrimeA[m] = y[n - 1] - n / (k * a_) * y[n];
        }
        Columns fit{static_cast<int>(points_.size()), terms_, std::vector<double>(points_.size() * terms_)};
        for (std::size_t row = 0; row < points_.size(); ++row) {
            const Point& p = points_[row];
            const double r = std::hypot(p.x, p.y), theta = std::atan2(p.y, p.x), x = k * r;
            besselOrders(x, top, j, y);
            for (int m = 0; m < terms_; ++m) {
                const int n = 2 * m + 1;
                const double value = j[n] * yPrimeA[m] - y[n] * jPrimeA[m];
                if (p.kind == 2) {
                    fit(static_cast<int>(row), m) = value * std::cos(n * theta);
                    continue;
                }
                const double slope = k * ((j[n - 1] - n / x * j[n]) * yPrimeA[m] - (y[n - 1] - n / x * y[n]) * jPrimeA[m]);
                const double ur = slope * std::cos(n * theta);
                const double ut = -n * value * std::sin(n * theta) / r;  // (1/r)·∂u/∂θ
                fit(static_cast<int>(row), m) = p.kind == 0 ? ur * std::cos(theta) - ut * std::sin(theta)
                                                                     : ur * std::sin(theta) + ut * std::cos(theta);
            }
        }
        // High orders near the rod are huge: each column scaled to a largest value of 1
        // first, so that no square overflows.
        for (int m = 0; m < terms_; ++m) {
            double* column = fit.column(m);
            const double largest = std::fabs(*std::max_element(column, column + fit.rows, [](double a, double b) {
                return std::fabs(a) < std::fabs(b);
            }));
            for (int i = 0; i < fit.rows; ++i)
                column[i] /= largest;
        }
        std::vector<double> r;
        orthonormalise(fit, r);
        // The wall's rows come first.
        Columns wall{2 * wallPoints_, terms_, {}};
        for (int m = 0; m < terms_; ++m)
            wall.values.insert(wall.values.end(), fit.column(m), fit.column(m) + wall.rows);
        orthonormalise(wall, r);
        return smallestSingularValue(r, terms_);
    }

private:
    struct Point {
        double x, y;
        int kind;  // 0 on x = 1, 1 on y = 1, 2 inside
    };

    double a_;
    int terms_, wallPoints_;
    std::vector<Point> points_;
};

}  // namespace

double solveSquareCoaxTe11(double ratio)
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
    const int scan = 24;
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
    // A minimum is found only to the square root of the rounding, some 1e-8. The
    // angle's square is smooth through it: Newton's method on its slope, by central
    // differences, takes the rest.
    double k = found.first;
    for (int i = 0; i < 2; ++i) {
        const double h = 1e-5 * k;
        const auto square = [&](double at) { return std::pow(fit.angle(at), 2); };
        const double below = square(k - h), here = square(k), above = square(k + h);
        k -= 0.5 * h * (above - below) / (above - 2.0 * here + below);
    }
    return k;
}

double chebyshevPoint(const Te11Piece& piece, int i)
{
    const double theta = std::numbers::pi * (i + 0.5) / squareCoaxTe11Points;
    return 0.5 * (piece.low + piece.high) - 0.5 * (piece.high - piece.low) * std::cos(theta);
}

double squareCoaxTe11(double ratio)
{
    if (!(ratio >= 1.1))
        return std::numeric_limits<double>::quiet_NaN();
    const double s = 1.0 / ratio;
    const bool thin = s <= squareCoaxTe11Pieces[0].high;
    const Te11Piece& piece = squareCoaxTe11Pieces[thin ? 0 : 1];
    const double* values = thin ? squareCoaxTe11Table::thin : squareCoaxTe11Table::thick;
    // The barycentric formula for the first kind's points, whose weights are
    // (−1)^i·sin θi: stable, and exact at the points themselves.
    double above = 0.0, below = 0.0;
    for (int i = 0; i < squareCoaxTe11Points; ++i) {
        const double node = chebyshevPoint(piece, i);
        if (s == node)
            return values[i];
        const double theta = std::numbers::pi * (i + 0.5) / squareCoaxTe11Points;
        const double weight = (i % 2 == 0 ? 1.0 : -1.0) * std::sin(theta) / (s - node);
        above += weight * values[i];
        below += weight;
    }
    return above / below;
}

}  // namespace tarvelle
