#include "ui/form_layout.h"

#include "ui/pictures/diagrams.h"

namespace tarvelle::ui {
namespace {

QString element(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

PanelLayout twoWirePanel()
{
    using enum LabelStyle;
    return {
        "la ligne bifilaire",
        "d : diamètre des conducteurs ; D : distance d'axe en axe",
        {
            {"Label3", "LIGNE BIFILAIRE DITE \"ECHELLE A GRENOUILLE\"", fromTwips(120, 120, 6975, 255), Title},
            {"Label4", "Diamètre des conducteurs", fromTwips(480, 600, 1935, 255)},
            {"Label5", "(d)", fromTwips(2400, 600, 255, 255), Symbol},
            {"Label6", ":", fromTwips(2640, 600, 135, 255)},
            {"Label12", "mm", fromTwips(3480, 600, 255, 255)},
            {"Label7", "Distance d'axe entre axe ", fromTwips(480, 960, 1815, 255)},
            {"Label8", "(D)", fromTwips(2280, 960, 255, 255), Symbol},
            {"Label9", ":", fromTwips(2520, 960, 135, 255)},
            {"Label13", "mm", fromTwips(3480, 960, 255, 255)},
            {"Label10", "Impédance de la ligne bifilaire :", fromTwips(480, 1440, 2175, 255)},
            {"Label11", "", fromTwips(2760, 1440, 615, 255), Result},
            {"Label14", "ohms", fromTwips(3480, 1440, 495, 255)},
        },
        "Label11",
        {{{"Text1(0)", fromTwips(2760, 600, 615, 285), 4, "Diamètre des conducteurs (d), en millimètres"},
          {"Text1(1)", fromTwips(2760, 960, 615, 285), 5, "Distance d'axe entre axe (D), en millimètres"}}},
        {"Command1", fromTwips(3960, 480, 735, 615)},
        {"Command2", fromTwips(3960, 1200, 735, 615)},
        {"Image1", fromTwips(4800, 480, 2235, 1305), twoWireDiagram},
    };
}

// The round-coax panel is the square-coax panel moved down by 2400 twips; its labels
// are element 1 of the arrays whose element 0 belongs to the square coax.
PanelLayout coaxPanel(int index)
{
    using enum LabelStyle;
    const int down = 2400 * index;
    const bool square = index == 0;
    const QString result = square ? "Label24" : "Label26";
    const char* entries = square ? "Text2" : "Text3";
    return {
        square ? "la ligne coaxiale de type carré" : "la ligne coaxiale de type rond",
        "d : diamètre extérieur du conducteur interne ; D : diamètre intérieur du conducteur externe",
        {
            {square ? "Label2" : "Label1", square ? "LIGNE COAXIALE DE TYPE CARREE" : "LIGNE COAXIALE DE TYPE RONDE",
             fromTwips(120, 2160 + down, 6975, 255), Title},
            {element("Label15", index), "Diamètre extérieur du conducteur interne", fromTwips(120, 2640 + down, 2895, 255)},
            {element("Label16", index), "(d)", fromTwips(3120, 2640 + down, 255, 255), Symbol},
            {element("Label17", index), ":", fromTwips(3360, 2640 + down, 135, 255)},
            {element("Label21", index), "mm", fromTwips(4320, 2640 + down, 255, 255)},
            {element("Label18", index), "Diamètre intérieur du conducteur externe", fromTwips(120, 3000 + down, 2895, 255)},
            {element("Label19", index), "(D)", fromTwips(3120, 3000 + down, 255, 255), Symbol},
            {element("Label20", index), ":", fromTwips(3360, 3000 + down, 135, 255)},
            {element("Label22", index), "mm", fromTwips(4320, 3000 + down, 255, 255)},
            {element("Label23", index),
             square ? "Impédance de la ligne coaxiale de type carré :" : "Impédance de la ligne coaxiale de type rond :",
             fromTwips(120, 3480 + down, 3375, 255)},
            {result, "", fromTwips(3600, 3480 + down, 615, 255), Result},
            {element("Label25", index), "ohms", fromTwips(4320, 3480 + down, 375, 255)},
        },
        result,
        {{{element(entries, 0), fromTwips(3600, 2640 + down, 615, 285), 4,
           "Diamètre extérieur du conducteur interne (d), en millimètres"},
          {element(entries, 1), fromTwips(3600, 3000 + down, 615, 285), 5,
           "Diamètre intérieur du conducteur externe (D), en millimètres"}}},
        {square ? "Command3" : "Command5", fromTwips(4800, 2520 + down, 735, 615)},
        {square ? "Command4" : "Command6", fromTwips(4800, 3240 + down, 735, 615)},
        {square ? "Image2" : "Image3", fromTwips(5640, 2040 + down, 1440, 2100),
         square ? squareCoaxDiagram : roundCoaxDiagram},
    };
}

}  // namespace

const std::array<PanelLayout, 3>& panelLayouts()
{
    static const std::array<PanelLayout, 3> layouts{twoWirePanel(), coaxPanel(0), coaxPanel(1)};
    return layouts;
}

const std::array<QRect, 2>& separatorLines()
{
    // Drawn from x 7200 to x 0 twips: 30 twips beyond the right edge of the window.
    static const std::array<QRect, 2> lines{fromTwips(0, 1920, 7200, 15), fromTwips(0, 4320, 7200, 15)};
    return lines;
}

}  // namespace tarvelle::ui
