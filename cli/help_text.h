#pragma once

#include <string>

namespace tarvelle::cli {

std::string helpText();

}  // namespace tarvelle::cli
