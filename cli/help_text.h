#pragma once

namespace tarvelle::cli {

const char* helpText();

}  // namespace tarvelle::cli
