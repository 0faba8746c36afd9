#pragma once

#include <QFont>

class QApplication;

namespace tarvelle::ui {

// The font of every text of the program, 8.25 points: "MS Sans Serif", the bitmap
// font the window was laid out for, on screens of ordinary density; on denser ones
// the system's DejaVu Sans, an outline face narrowed to the same proportions, so that
// text is drawn for the screen's resolution instead of as enlarged or spread-apart
// bitmaps.
QFont formFont(qreal devicePixelRatio);

// Makes formFont(devicePixelRatio) the font of every text of the application.
void useFormFont(qreal devicePixelRatio);

// The classic look of raised buttons and sunken entries, on a light face that no
// desktop theme changes.
void useClassicLook();

// Readies the application for MainForm: registers the window's font, carried in the
// program's resources, gives the window a light classic look whatever the desktop's
// theme, and installs Qt's own French texts. Call once, before the window is built.
void prepareApplication(QApplication& application);

}  // namespace tarvelle::ui
