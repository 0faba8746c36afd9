#include "calc/bessel_roots.h"

#include <boost/math/special_functions/bessel_prime.hpp>
#include <boost/math/tools/roots.hpp>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvelle {

double roundCoaxTe11Root(double ratio)
{
    if (!(ratio > 1.0) || std::isinf(ratio))
        return std::numeric_limits<double>::quiet_NaN();
    using boost::math::cyl_bessel_j_prime;
    using boost::math::cyl_neumann_prime;
    // Divided by Y1'(x)·Y1'(cx), which has no zero below the root, so that the function
    // stays of order 1 however small x is.
    const auto cross = [ratio](double x) {
        return cyl_bessel_j_prime(1, x) / cyl_neumann_prime(1, x) -
               cyl_bessel_j_prime(1, ratio * x) / cyl_neumann_prime(1, ratio * x);
    };
    // The root lies between j'11/c (the empty tube, c → ∞) and 2/(1 + c) (the mean
    // circumference's, c → 1), closer to the smaller; the bracket takes both with room.
    const double low = 0.9 * std::min(1.8411837813406593 / ratio, 2.0 / (1.0 + ratio));
    const double high = 1.1 * std::max(1.8411837813406593 / ratio, 2.0 / (1.0 + ratio));
    std::uintmax_t iterations = 200;
    const auto [below, above] = boost::math::tools::toms748_solve(
        cross, low, high, boost::math::tools::eps_tolerance<double>(52), iterations);
    return 0.5 * (below + above);
}

}  // namespace tarvelle
