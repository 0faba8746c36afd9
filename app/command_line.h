#pragma once

#include <optional>

namespace tarvelle::app {

// Answers --help and --version, which need no display, and refuses any other
// argument that the toolkit has not taken for itself. Returns the exit status when
// the program must stop there, nothing when the window is to open.
std::optional<int> answerBeforeDisplay(int argc, char** argv);
std::optional<int> refuseLeftoverArguments(int argc, char** argv);

}  // namespace tarvelle::app
