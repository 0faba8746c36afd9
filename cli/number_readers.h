#pragma once

#include "cli/arguments.h"

#include <string>
#include <string_view>
#include <variant>

namespace tarvelle::cli {

// The value of -d, -D or -z: a plain number, or START:STOP:STEP, checked as the
// window checks its entries; or a French message saying why it is refused.
std::variant<Quantity, std::string> readQuantity(std::string_view text);

// The relative permittivity: a plain number, 1 for air and more for any dielectric.
std::variant<double, std::string> readPermittivity(std::string_view text);

// A plain number above zero: the frequency, a conductivity, a breakdown field.
std::variant<double, std::string> readPositive(std::string_view text);
// A loss tangent: a plain number, zero allowed.
std::variant<double, std::string> readLossTangent(std::string_view text);
// A metal's name, French or English, as its conductivity in MS/m.
std::variant<double, std::string> readMetal(std::string_view text);

}  // namespace tarvelle::cli
