#pragma once

namespace tarvelle::cli {

const char* helpText();
const char* versionText();

}  // namespace tarvelle::cli
