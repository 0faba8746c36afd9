#pragma once

#include <string>
#include <string_view>

namespace tarvelle {

// What each of the two programs prints for --version, after its own name.
std::string versionText(std::string_view program);

}  // namespace tarvelle
