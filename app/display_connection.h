#pragma once

#include <QApplication>

#include <memory>

namespace tarvelle::app {

// The application, connected to the desktop's display. While the toolkit connects,
// what it and the display libraries write to the error output is held back: when no
// display answers, the user reads one French line that names what was tried instead
// of the toolkit's advice to reinstall, and the program exits with status 1.
// Otherwise what was held back is written out as it came.
std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv);

// That line, for the display settings of this environment and the platform plugins
// that exist: a platform asked for by name that is not among them is named instead.
QString noDisplayMessage(const QStringList& availablePlatforms);

}  // namespace tarvelle::app
