#include "ui/options/OptionsDialog.h"

#include "engine/Formats.h"
#include "engine/WageEntry.h"
#include "ui/common/FittedText.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/LocalNumbers.h"
#include "ui/common/Twips.h"
#include "ui/common/WageEdit.h"
#include "ui/common/WindowParts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QLabel>
#include <QPushButton>

namespace {

WageEdit* wageBox(QWidget* parent, const char* name, int top)
{
    auto* box = new WageEdit(parent, WageEdit::CtrlKeys::ToBox);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(Twips::rect(1680, top, 895, 360));
    return box;
}

} // namespace

OptionsDialog::OptionsDialog(const Settings& current, Prompt& prompt, Save save, const QLocale& numbers,
                             QWidget* parent)
    : QDialog(parent), m_current(current), m_prompt(prompt), m_save(std::move(save))
{
    setLocale(numbers);
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Earnmeter Options"));
    setFont(LegacyFont::sansSerif(8.25));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    setPalette(palette);
    setFixedSize(Twips::rect(0, 0, 3255, 3405).size());
    createControls();
    showSettings(m_current);
    m_optionsChanged = false;
}

void OptionsDialog::createControls()
{
    createWageBoxes();
    createSwitchesAndButtons();
    connectControls();
    QWidget* order[] = {m_minimum, m_dream, m_minimize, m_advanced, m_savePosition, cmdSave, cmdCancel, cmdRestore};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void OptionsDialog::createWageBoxes()
{
    using namespace WindowParts;
    QLabel* minimumCaption = label(this, "Label3", tr("&Minimum Wage $"), 120, 360, 1455, 255, Qt::AlignLeft);
    m_minimum = wageBox(this, "txtMinWage", 280);
    label(this, "Label7", tr("/hr"), 2640, 360, 375, 255, Qt::AlignLeft);
    QLabel* dreamCaption = label(this, "Label1", tr("&DREAM Wage $"), 120, 795, 1455, 255, Qt::AlignLeft);
    m_dream = wageBox(this, "txtMaxWage", 720);
    label(this, "Label8", tr("/hr"), 2640, 795, 375, 255, Qt::AlignLeft);
    m_currencyCaptions.add(minimumCaption);
    m_currencyCaptions.add(dreamCaption);
    minimumCaption->setBuddy(m_minimum);
    dreamCaption->setBuddy(m_dream);
    m_minimum->setAccessibleName(tr("Minimum wage in dollars per hour"));
    m_dream->setAccessibleName(tr("DREAM wage in dollars per hour"));
}

void OptionsDialog::createSwitchesAndButtons()
{
    using namespace WindowParts;
    m_minimize = checkBox(this, "chkMinimize", tr("Minimize on &Startup?"), 480, 1150, 2415, 255);
    m_advanced = checkBox(this, "chkAdvScr", tr("Startup in &Advanced Mode?"), 480, 1450, 2415, 255);
    m_savePosition = checkBox(this, "chkSavePos", tr("Save &Position on Exit?"), 480, 1755, 2415, 255);
    cmdSave = button(this, "cmdSave", tr("&OK"), 360, 2160, 975, 495);
    cmdCancel = button(this, "cmdCancel", tr("&Cancel"), 1920, 2160, 975, 495);
    cmdRestore = button(this, "cmdRestore", tr("&Restore Defaults"), 720, 2760, 1695, 495);
    cmdSave->setDefault(true);
    m_minimize->setAccessibleName(tr("Minimize on startup"));
    m_advanced->setAccessibleName(tr("Startup in advanced mode"));
    m_savePosition->setAccessibleName(tr("Save window positions on exit"));
    cmdRestore->setAccessibleName(tr("Restore defaults"));
}

void OptionsDialog::connectControls()
{
    const auto changed = [this] {
        m_optionsChanged = true;
    };
    for (WageEdit* box : {m_minimum, m_dream}) {
        connect(box, &QLineEdit::textChanged, this, changed);
        connect(box, &WageEdit::focusLeft, this, [this, box] { leaveWageBox(box); });
    }
    for (QCheckBox* box : {m_minimize, m_advanced, m_savePosition})
        connect(box, &QCheckBox::clicked, this, changed);
    connect(cmdSave, &QPushButton::clicked, this, &OptionsDialog::CallSave);
    connect(cmdCancel, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(cmdRestore, &QPushButton::clicked, this, &OptionsDialog::CallRestore);
}

void OptionsDialog::showSettings(const Settings& settings)
{
    m_minimum->showEngineText(FormatWageEntry(settings.MinimumWage));
    m_dream->showEngineText(FormatWageEntry(settings.DreamWage));
    m_minimize->setChecked(settings.MinimizeOnStartup);
    m_advanced->setChecked(settings.StartInAdvancedMode);
    m_savePosition->setChecked(settings.SavePositionOnExit);
}

void OptionsDialog::leaveWageBox(WageEdit* box)
{
    // A number too large to be money stays as typed, so that OK names the problem
    // instead of the box quietly turning it into 0.00.
    if (!readWageLeniently(box->engineText()))
        return;
    box->showEngineText(FormatWageEntry(box->engineText()));
}

void OptionsDialog::CallRestore()
{
    m_optionsChanged = true;
    showSettings(Settings::defaults());
}

QString OptionsDialog::errorText(CurrencyError error) const
{
    switch (error) {
    case CurrencyError::None:
        break;
    case CurrencyError::InvalidNumber:
        return tr("Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.");
    case CurrencyError::Overflow:
        return tr("Overflow: the amount is too large. Enter an amount below %1.")
            .arg(LocalNumbers::toShownGrouped(QStringLiteral("922,337,203,685,477.58"), locale()));
    case CurrencyError::FloatingPoint:
        return tr("Invalid floating-point operation: the amount cannot be computed.");
    }
    return {};
}

// The settings as the controls hold them; nothing when a wage is not a number
// to keep, which the user is told.
std::optional<Settings> OptionsDialog::edited()
{
    Settings settings;
    for (const auto& [box, wage] : {std::pair{m_minimum, &settings.MinimumWage}, {m_dream, &settings.DreamWage}}) {
        const CurrencyResult read = CurrencyFromText(box->engineText());
        if (!read.ok()) {
            m_prompt.ask({errorText(read.error).toStdString(), "Earnmeter", Message::Buttons::Ok, Message::Icon::None});
            return std::nullopt;
        }
        *wage = read.value;
    }
    settings.MinimizeOnStartup = m_minimize->isChecked();
    settings.StartInAdvancedMode = m_advanced->isChecked();
    settings.SavePositionOnExit = m_savePosition->isChecked();
    return settings;
}

bool OptionsDialog::CallSave()
{
    if (m_optionsChanged) {
        const std::optional<Settings> settings = edited();
        if (!settings || !m_save(*settings))
            return false;
        m_current = *settings;
    }
    done(QDialog::Accepted);
    return true;
}

void OptionsDialog::showCurrencySymbol(const QString& symbol)
{
    m_currencyCaptions.showWith(symbol,
                                [](QWidget* caption, const QString& shown) { caption->setProperty("text", shown); });
    if (m_placed)
        FittedText::fitCaptions(this);
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    // Centred on the screen the first time; afterwards where the user left it.
    if (!m_placed) {
        m_placed = true;
        FittedText::fitCaptions(this);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
    QDialog::showEvent(event);
}

void OptionsDialog::reject()
{
    // Putting the controls back is no edit of the user's.
    const bool changed = m_optionsChanged;
    showSettings(m_current);
    m_optionsChanged = changed;
    QDialog::reject();
}
