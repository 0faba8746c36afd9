#pragma once

class QApplication;
class QFont;

namespace tarvelle::ui {

// The font of every text of the program: "MS Sans Serif", 8.25 points.
QFont formFont();

// Readies the application for MainForm: registers the window's font, carried in the
// program's resources, as the font of every text, and installs Qt's French texts.
// Call once, before the window is built.
void prepareApplication(QApplication& application);

}  // namespace tarvelle::ui
