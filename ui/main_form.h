#pragma once

#include "calc/line_panels.h"
#include "calc/panel_view.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <optional>
#include <cstdint>

class QLabel;
class QPushButton;

class QIcon;

namespace tarvelle::ui {
class Announcer;
class EntryHint;
class NumericEntry;
struct ControlPlacement;
struct LabelPlacement;
struct PicturePlacement;
}

// The calculator's one window: three line panels, each with two entries, a result,
// a New and a Calculate button and a diagram of what the entries measure.
class MainForm : public QWidget, private tarvelle::PanelView {
public:
    explicit MainForm(QWidget* parent = nullptr);

    // The window's caption: the program's name and two contact addresses.
    static QString caption();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    void text1_Keypress(std::int16_t Index, std::int16_t& KeyAscii);
    void text2_Keypress(std::int16_t Index, std::int16_t& KeyAscii);
    void text3_Keypress(std::int16_t Index, std::int16_t& KeyAscii);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct PanelControls {
        std::array<tarvelle::ui::NumericEntry*, 2> entries{};
        QLabel* result = nullptr;
        QPushButton* newButton = nullptr;
        QPushButton* calculateButton = nullptr;
    };

    void buildControls();
    void useScreenFont();
    void fitCaptions();
    QLabel* addLabel(const tarvelle::ui::LabelPlacement& placement);
    QPushButton* addButton(const tarvelle::ui::ControlPlacement& placement, const QString& toolTip, const QIcon& icon);
    QWidget* addPicture(const tarvelle::ui::PicturePlacement& placement);
    void setTabCycle();
    void showCommaHint(QWidget* entry);
    static QString resultAccessibleName(std::size_t panel, const QString& result);
    static void describe(QWidget* widget, const QString& name, const QString& description);

    std::string entryText(tarvelle::LinePanel panel, int element) const override;
    void setEntryText(tarvelle::LinePanel panel, int element, std::string_view text) override;
    void setEntryEnabled(tarvelle::LinePanel panel, int element, bool enabled) override;
    void focusEntry(tarvelle::LinePanel panel, int element) override;
    void setResultText(tarvelle::LinePanel panel, std::string_view text) override;
    void showErrorMessage(std::string_view title, std::string_view text) override;

    tarvelle::ui::NumericEntry* entry(tarvelle::LinePanel panel, int element) const;

    std::array<PanelControls, 3> panels_;
    tarvelle::ui::Announcer* announcer_ = nullptr;  // speaks each new result and hint
    tarvelle::ui::EntryHint* hint_ = nullptr;
    bool watchesScreen_ = false;
    std::optional<QFont> fittedFont_;  // the application font that the captions were last fitted to
    tarvelle::LinePanels commands_;
};
