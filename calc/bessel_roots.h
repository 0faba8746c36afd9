#pragma once

namespace tarvelle {

// The first root x of J1'(x)·Y1'(c·x) − J1'(c·x)·Y1'(x) = 0 for c = D/d > 1: kc·d/2 of
// the TE11 mode of a round coaxial line. NaN for a ratio that is not above 1.
double roundCoaxTe11Root(double ratio);

}  // namespace tarvelle
