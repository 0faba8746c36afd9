#include "ui/main_form.h"

#include "calc/entry_filter.h"
#include "calc/messages.h"
#include "ui/announcer.h"
#include "ui/application_setup.h"
#include "ui/entry_hint.h"
#include "ui/form_button.h"
#include "ui/form_layout.h"
#include "ui/numeric_entry.h"
#include "ui/pixel_pictures.h"
#include "ui/result_label.h"
#include "ui/title_label.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

using tarvelle::LinePanel;
namespace ui = tarvelle::ui;

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      commands_(*this, QLocale::system().decimalPoint().toStdString())
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(caption());
    // Screen readers call the window by its name, not by the caption's addresses.
    setAccessibleName(QStringLiteral("Tarvelle"));
    setFixedSize(ui::clientSize);
    buildControls();
    announcer_ = new ui::Announcer(this);
    setTabCycle();
    panels_[0].newButton->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

QString MainForm::caption()
{
    return QStringLiteral("Tarvelle          tarvelle@example.org     https://www.example.org/tarvelle");
}

bool MainForm::event(QEvent* event)
{
    // A desktop theme that sets its fonts after start-up (qt6ct does) gets the
    // window's font back, for the tooltips and the dialogs too.
    const auto type = event->type();
    bool scaleChanged = false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    scaleChanged = type == QEvent::DevicePixelRatioChange;  // a new scale on the same screen
#endif
    if (type == QEvent::Show || type == QEvent::ApplicationFontChange || type == QEvent::ThemeChange || scaleChanged)
        useScreenFont();
    if (type == QEvent::Show && windowHandle() && !watchesScreen_) {
        // Moved to a screen of another density, the window's text takes the font
        // drawn for it.
        connect(windowHandle(), &QWindow::screenChanged, this, &MainForm::useScreenFont);
        watchesScreen_ = true;
    }
    return QWidget::event(event);
}

void MainForm::useScreenFont()
{
    ui::useFormFont(devicePixelRatioF());
    // Set on the window too, so that a desktop theme that later sets the
    // application's font leaves the window's text, measured for this one, alone.
    setFont(ui::formFont(devicePixelRatioF()));
    fitCaptions();
}

void MainForm::fitCaptions()
{
    // The outline face of dense screens has other widths and another ascent than the
    // bitmap font the window was laid out in. Each plain label is stretched to the
    // width its text has in that font, so that the gaps between a caption, its red
    // "(d)" and its colon stay those of the 1× window, scaled; captions and entries
    // keep its baselines. Titles, centred, keep their face's own width, narrowed
    // only if they would not fit.
    const QFont base = font();
    if (fittedFont_ == base)
        return;
    fittedFont_ = base;
    const QFont laidOut = ui::formFont(1.0);
    const int lowered = QFontMetrics(laidOut).ascent() - QFontMetrics(base).ascent();
    for (QLabel* label : findChildren<QLabel*>()) {
        QFont font = base;
        font.setBold(label->font().bold());
        const bool plain = !font.bold() && !dynamic_cast<ui::ResultLabel*>(label);
        if (plain && base != laidOut) {
            const qreal wanted = QFontMetricsF(laidOut).horizontalAdvance(label->text());
            for (int i = 0; i < 2 && wanted > 0; ++i)
                font.setStretch(qBound(50, qRound(font.stretch() * wanted / QFontMetricsF(font).horizontalAdvance(label->text())), 150));
        }
        if (label->font() != font)
            label->setFont(font);
        while (font.stretch() > 50 && label->sizeHint().width() > label->width()) {
            font.setStretch(font.stretch() * label->width() / label->sizeHint().width() - 1);
            label->setFont(font);
        }
        if (plain)
            label->setContentsMargins(0, lowered, 0, 0);
    }
    for (ui::NumericEntry* entry : findChildren<ui::NumericEntry*>())
        entry->setTextMargins(0, lowered, 0, -lowered);
}

void MainForm::paintEvent(QPaintEvent*)
{
    // The green lines between the panels are drawn on the window itself: decoration
    // that a screen reader has no need to visit.
    QPainter painter(this);
    for (const QRect& line : ui::separatorLines())
        painter.fillRect(line, ui::green);
}

void MainForm::buildControls()
{
    // Created bottom to top: labels, then pictures, then buttons and entries (the
    // lines are painted on the window itself).
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const ui::PanelLayout& layout = ui::panelLayouts()[i];
        for (const ui::LabelPlacement& placement : layout.labels) {
            QLabel* label = addLabel(placement);
            if (placement.name == layout.resultLabel)
                panels_[i].result = label;
        }
    }
    for (const ui::PanelLayout& layout : ui::panelLayouts()) {
        describe(addPicture(layout.picture), QStringLiteral("Coupe de %1").arg(layout.line), layout.measures);
    }

    const std::array<void (MainForm::*)(std::int16_t, std::int16_t&), 3> keyHandlers{
        &MainForm::text1_Keypress, &MainForm::text2_Keypress, &MainForm::text3_Keypress};
    const std::array<void (MainForm::*)(), 6> clickHandlers{
        &MainForm::Command1_Click, &MainForm::Command2_Click, &MainForm::Command3_Click,
        &MainForm::Command4_Click, &MainForm::Command5_Click, &MainForm::Command6_Click};
    const QIcon eraser = ui::pixelIcon(eraserIcon());
    const QIcon wand = ui::pixelIcon(wandIcon());
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const ui::PanelLayout& layout = ui::panelLayouts()[i];
        PanelControls& panel = panels_[i];
        panel.newButton = addButton(layout.newButton, QStringLiteral("Nouveau !"), eraser);
        panel.calculateButton = addButton(layout.calculateButton, QStringLiteral("Calculer !"), wand);
        describe(panel.newButton, QStringLiteral("Nouveau"),
                 QStringLiteral("Efface les dimensions et l'impédance de %1").arg(layout.line));
        describe(panel.calculateButton, QStringLiteral("Calculer"),
                 QStringLiteral("Calcule l'impédance de %1").arg(layout.line));
        describe(panel.result, resultAccessibleName(i, {}),
                 QStringLiteral("Impédance caractéristique de %1, en ohms").arg(layout.line));
        connect(panel.newButton, &QPushButton::clicked, this, clickHandlers[2 * i]);
        connect(panel.calculateButton, &QPushButton::clicked, this, clickHandlers[2 * i + 1]);

        for (std::int16_t index = 0; index < 2; ++index) {
            const ui::EntryPlacement& placement = layout.entries[static_cast<std::size_t>(index)];
            auto* entry = new ui::NumericEntry(this, [this, handler = keyHandlers[i], index](std::int16_t& KeyAscii) {
                (this->*handler)(index, KeyAscii);
            }, placement.maxLength);
            entry->setObjectName(placement.name);
            entry->setGeometry(placement.geometry);
            entry->setAlignment(Qt::AlignCenter);
            entry->setCommaHandler([this, entry] { showCommaHint(entry); });
            describe(entry, placement.accessibleName,
                     QStringLiteral("Dimension de %1 : chiffres et point décimal seulement").arg(layout.line));
            panel.entries[static_cast<std::size_t>(index)] = entry;
        }
    }
}

QLabel* MainForm::addLabel(const ui::LabelPlacement& placement)
{
    using enum ui::LabelStyle;
    QLabel* label = placement.style == Title    ? new ui::TitleLabel(this)
                    : placement.style == Result ? new ui::ResultLabel(this)
                                                : new QLabel(this);
    label->setObjectName(placement.name);
    label->setGeometry(placement.geometry);
    label->setAutoFillBackground(true);  // opaque, in the dialog's face colour
    label->setTextFormat(Qt::PlainText);
    const bool centred = placement.style == Title || placement.style == Result;
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (placement.style == Result)
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    if (placement.style != Caption) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, placement.style == Symbol ? ui::red : ui::blue);
        label->setPalette(palette);
    }
    label->setText(placement.text);
    return label;
}

QPushButton* MainForm::addButton(const ui::ControlPlacement& placement, const QString& toolTip, const QIcon& icon)
{
    auto* button = new ui::FormButton(this);
    button->setObjectName(placement.name);
    button->setGeometry(placement.geometry);
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    return button;
}

QWidget* MainForm::addPicture(const ui::PicturePlacement& placement)
{
    auto* picture = new ui::PictureView(placement.draw(), this);
    picture->setObjectName(placement.name);
    picture->setGeometry(placement.geometry);
    return picture;
}

void MainForm::setTabCycle()
{
    // Buttons first, then the entries; disabled entries drop out by themselves.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const PanelControls& panel : panels_) {
        chain(panel.newButton);
        chain(panel.calculateButton);
    }
    for (const PanelControls& panel : panels_) {
        chain(panel.entries[0]);
        chain(panel.entries[1]);
    }
}

void MainForm::Command1_Click() { commands_.newCommand(LinePanel::TwoWire); }
void MainForm::Command2_Click() { commands_.calculateCommand(LinePanel::TwoWire); }
void MainForm::Command3_Click() { commands_.newCommand(LinePanel::SquareCoax); }
void MainForm::Command4_Click() { commands_.calculateCommand(LinePanel::SquareCoax); }
void MainForm::Command5_Click() { commands_.newCommand(LinePanel::RoundCoax); }
void MainForm::Command6_Click() { commands_.calculateCommand(LinePanel::RoundCoax); }

// The three arrays share one filter; the element index makes no difference to it.
void MainForm::text1_Keypress(std::int16_t, std::int16_t& KeyAscii) { tarvelle::filterEntryKey(KeyAscii); }
void MainForm::text2_Keypress(std::int16_t, std::int16_t& KeyAscii) { tarvelle::filterEntryKey(KeyAscii); }
void MainForm::text3_Keypress(std::int16_t, std::int16_t& KeyAscii) { tarvelle::filterEntryKey(KeyAscii); }

ui::NumericEntry* MainForm::entry(LinePanel panel, int element) const
{
    return panels_.at(static_cast<std::size_t>(panel)).entries.at(static_cast<std::size_t>(element));
}

std::string MainForm::entryText(LinePanel panel, int element) const
{
    return entry(panel, element)->text().toStdString();
}

void MainForm::setEntryText(LinePanel panel, int element, std::string_view text)
{
    entry(panel, element)->setText(fromUtf8(text));
}

void MainForm::setEntryEnabled(LinePanel panel, int element, bool enabled)
{
    entry(panel, element)->setEnabled(enabled);
}

void MainForm::focusEntry(LinePanel panel, int element)
{
    entry(panel, element)->setFocus(Qt::OtherFocusReason);
}

void MainForm::setResultText(LinePanel panel, std::string_view text)
{
    const auto index = static_cast<std::size_t>(panel);
    panels_.at(index).result->setText(fromUtf8(text));
    panels_.at(index).result->setAccessibleName(resultAccessibleName(index, fromUtf8(text)));
    if (!text.empty())
        announcer_->announce(QStringLiteral("%1 ohms").arg(fromUtf8(text)));
}

void MainForm::showCommaHint(QWidget* entry)
{
    // The entries take "." whatever the locale, while French results show a comma.
    const QString hint = QString::fromUtf8(tarvelle::messages::commaHint);
    if (!hint_)  // made when first needed, not at start-up
        hint_ = new ui::EntryHint(this);
    hint_->showAbove(entry, hint);
    announcer_->announce(hint);
}

QString MainForm::resultAccessibleName(std::size_t panel, const QString& result)
{
    const QString line = ui::panelLayouts()[panel].line;
    if (result.isEmpty())
        return QStringLiteral("Impédance de %1 : pas de résultat").arg(line);
    return QStringLiteral("Impédance de %1 : %2 ohms").arg(line, result);
}

void MainForm::describe(QWidget* widget, const QString& name, const QString& description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void MainForm::showErrorMessage(std::string_view title, std::string_view text)
{
    QMessageBox box(QMessageBox::Critical, fromUtf8(title), fromUtf8(text), QMessageBox::Ok, this);
    box.setDefaultButton(QMessageBox::Ok);
    box.setFont(font());  // the window's, not a desktop theme's message-box font
    // A screen reader names the critical icon by the box's title: the icon is the
    // box's one label that shows a picture.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            label->setAccessibleName(fromUtf8(title));
    }
    box.exec();
}
