#pragma once

namespace tarvelle {

// How the ideal impedance moves with each dimension, in ohms per metre.
struct ImpedanceSlopes {
    double perSmall;  // dZ/dd
    double perLarge;  // dZ/dD
};

}  // namespace tarvelle
