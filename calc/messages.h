#pragma once

#include <string>
#include <string_view>

namespace tarvelle::messages {

// A name or a value within a message, between French quotation marks.
inline std::string quoted(std::string_view text) { return "« " + std::string(text) + " »"; }

inline constexpr const char* errorTitle = "Erreur !";
inline constexpr const char* emptyEntry = "Vous devez entrer des valeurs pour effectuer le calcul !";
inline constexpr const char* zeroValue = "Les valeurs ne doivent pas être égales à zéro !";
inline constexpr const char* commaHint = "Tapez un point (.) comme séparateur décimal";
inline constexpr const char* touchingConductors = "D ≤ d : les conducteurs se touchent ou se chevauchent";
inline constexpr const char* impossibleCalculation = "Le calcul est impossible avec ces valeurs !";

}  // namespace tarvelle::messages
