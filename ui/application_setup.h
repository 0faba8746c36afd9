#pragma once

class QApplication;

namespace tarvelle::ui {

// Readies the application for MainForm: registers the window's font, carried in the
// program's resources, and installs Qt's French texts. Call once, before the window
// is built.
void prepareApplication(QApplication& application);

}  // namespace tarvelle::ui
