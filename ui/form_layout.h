#pragma once

#include "ui/pictures/canvas.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace tarvelle::ui {

// Positions are kept in twips (1/1440 inch), 15 to the pixel at 96 dots per inch.
constexpr int twipsPerPixel = 15;
constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel};
}

constexpr QSize clientSize{7170 / twipsPerPixel, 6660 / twipsPerPixel};  // 478 × 444

enum class LabelStyle {
    Caption,  // flush left, the dialog's text colour
    Title,    // blue, bold, centred
    Symbol,   // red "(d)" and "(D)"
    Result,   // blue, centred, sunken border: shows the impedance
};

struct LabelPlacement {
    QString name;
    QString text;
    QRect geometry;
    LabelStyle style = LabelStyle::Caption;
};

struct ControlPlacement {
    QString name;
    QRect geometry;
};

struct PicturePlacement {
    QString name;
    QRect geometry;
    Canvas (*draw)();  // draws the diagram
};

struct EntryPlacement {
    QString name;
    QRect geometry;
    int maxLength;
    QString accessibleName;  // what the entry measures, for a screen reader
};

// Everything that one line panel places on the window.
struct PanelLayout {
    QString line;  // the panel's line, as a screen reader names it: "la ligne bifilaire"
    QString measures;  // what d and D are on the diagram
    std::vector<LabelPlacement> labels;  // the result label among them
    QString resultLabel;
    std::array<EntryPlacement, 2> entries;  // element 0 (d), element 1 (D)
    ControlPlacement newButton;
    ControlPlacement calculateButton;
    PicturePlacement picture;
};

// The panels from top to bottom: two-wire, square coax, round coax.
const std::array<PanelLayout, 3>& panelLayouts();

// The two green lines between the panels, the full width of the window.
const std::array<QRect, 2>& separatorLines();

inline const QColor blue{0, 0, 255};
inline const QColor red{255, 0, 0};
// The separator lines' bright green (the palette's "lime"): drawn on the window's
// face, not in a picture, so it is none of the pictures' darker greens.
inline const QColor green{0, 255, 0};

}  // namespace tarvelle::ui
