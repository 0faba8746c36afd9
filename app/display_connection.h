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

// The platforms that Qt is asked to try, as it reads them: the last "-platform" (or
// "--platform") argument, else QT_QPA_PLATFORM; empty when neither names one, and Qt
// tries its default for the desktop session.
struct PlatformRequest {
    QString platforms;  // names separated by ";", each with ":options"
    QString source;     // "-platform" or "QT_QPA_PLATFORM"
};
PlatformRequest platformRequest(int argc, char** argv);

// That line, for the platforms asked for, the display settings of this environment
// and the platform plugins that exist: a platform asked for that is not among them is
// named instead.
QString noDisplayMessage(const PlatformRequest& request, const QStringList& availablePlatforms);

}  // namespace tarvelle::app
