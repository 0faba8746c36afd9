#pragma once

namespace tarvelle {

inline constexpr double freeSpaceImpedance = 376.730313668;  // η0 in ohms, CODATA 2018
inline constexpr double speedOfLight = 299'792'458.0;        // in m/s, exact by the definition of the metre
// μ0 = η0/c, in H/m (CODATA 2018: 1.25663706212e-6).
inline constexpr double vacuumPermeability = freeSpaceImpedance / speedOfLight;

}  // namespace tarvelle
