#pragma once

namespace tarvelle {

// How the ideal impedance moves with each dimension, in ohms per metre.
struct ImpedanceSlopes {
    double perSmall;  // dZ/dd
    double perLarge;  // dZ/dD
};

// What the ideal line's field in air gives, d and D in metres.
struct FieldNumbers {
    double impedance;  // in ohms
    ImpedanceSlopes slopes;
    // The largest field on a conductor, per volt between them, in 1/m.
    double peakFieldPerVolt;
    // Both conductors' loss in nepers per metre, per ohm of their surface resistance Rs.
    double lossPerSurfaceResistance;
};

}  // namespace tarvelle
