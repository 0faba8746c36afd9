#pragma once

namespace tarvelle {

// The impedance of the ideal line: lossless, perfect conductors, in air (εr = 1).
inline constexpr double freeSpaceImpedance = 376.730313668;  // η0 in ohms, CODATA 2018

// Each takes ratio = D/d and gives ohms in double precision; a ratio that is not above 1,
// or not a number, gives NaN.
double idealTwoWireImpedance(double ratio);    // (η0/π)·acosh(D/d), D the spacing of the axes
double idealRoundCoaxImpedance(double ratio);  // (η0/2π)·ln(D/d)
// Solved from Laplace's equation, to a relative error below 1e-13 from D/d = 1.02 up and
// below 1e-10 down to 1.001 (the solver's own bound). NaN below smallestSquareCoaxRatio
// (1.001), where the gaps are too narrow for the solver, as it would be should the solver
// ever fail to bound its error by 1e-7.
double idealSquareCoaxImpedance(double ratio);

}  // namespace tarvelle
