#pragma once

class QApplication;

namespace tarvelle::app {

// Tells the desktop who the program is: its name and version, the desktop entry
// that describes it, and its icon, which every window of it shows.
void declareApplicationIdentity(QApplication& application);

}  // namespace tarvelle::app
