#include "ui/options/OptionsDialog.h"

#include "engine/Formats.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WageEdit.h"
#include "ui/common/WindowParts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

QString WageText(Currency wage)
{
    return QString::fromStdString(FormatWageEntry(CurrencyText(wage)));
}

WageEdit* WageBox(QWidget* parent, const char* name, int top)
{
    auto* box = new WageEdit(parent, WageEdit::CtrlKeys::ToBox);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(Twips::rect(1680, top, 895, 360));
    return box;
}

} // namespace

OptionsDialog::OptionsDialog(RunState& state, ConfigFile& config, WageTypes& wageTypes, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_state(state), m_config(config), m_wageTypes(wageTypes), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Earnmeter Options"));
    setFont(LegacyFont::sansSerif(8.25));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    setPalette(palette);
    setFixedSize(Twips::rect(0, 0, 3255, 3405).size());
    createControls();
    loadFromSettings();
    m_optionsChanged = false;
}

void OptionsDialog::createControls()
{
    using namespace WindowParts;
    QLabel* minimumCaption =
        label(this, "Label3", QStringLiteral("&Minimum Wage $"), 120, 360, 1455, 255, Qt::AlignLeft);
    m_minimum = WageBox(this, "txtMinWage", 280);
    label(this, "Label7", QStringLiteral("/hr"), 2640, 360, 375, 255, Qt::AlignLeft);
    QLabel* dreamCaption = label(this, "Label1", QStringLiteral("&DREAM Wage $"), 120, 795, 1455, 255, Qt::AlignLeft);
    m_dream = WageBox(this, "txtMaxWage", 720);
    label(this, "Label8", QStringLiteral("/hr"), 2640, 795, 375, 255, Qt::AlignLeft);
    minimumCaption->setBuddy(m_minimum);
    dreamCaption->setBuddy(m_dream);

    m_minimize = checkBox(this, "chkMinimize", QStringLiteral("Minimize on &Startup?"), 480, 1150, 2415, 255);
    m_advanced = checkBox(this, "chkAdvScr", QStringLiteral("Startup in &Advanced Mode?"), 480, 1450, 2415, 255);
    m_savePosition = checkBox(this, "chkSavePos", QStringLiteral("Save &Position on Exit?"), 480, 1755, 2415, 255);
    QPushButton* save = button(this, "cmdSave", QStringLiteral("&OK"), 360, 2160, 975, 495);
    QPushButton* cancel = button(this, "cmdCancel", QStringLiteral("&Cancel"), 1920, 2160, 975, 495);
    QPushButton* restore = button(this, "cmdRestore", QStringLiteral("&Restore Defaults"), 720, 2760, 1695, 495);
    save->setDefault(true);

    m_minimum->setAccessibleName(QStringLiteral("Minimum wage in dollars per hour"));
    m_dream->setAccessibleName(QStringLiteral("DREAM wage in dollars per hour"));
    m_minimize->setAccessibleName(QStringLiteral("Minimize on startup"));
    m_advanced->setAccessibleName(QStringLiteral("Startup in advanced mode"));
    m_savePosition->setAccessibleName(QStringLiteral("Save window positions on exit"));
    save->setAccessibleName(QStringLiteral("OK"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    restore->setAccessibleName(QStringLiteral("Restore defaults"));

    const auto changed = [this] {
        m_optionsChanged = true;
    };
    for (WageEdit* box : {m_minimum, m_dream}) {
        connect(box, &QLineEdit::textChanged, this, changed);
        connect(box, &WageEdit::focusLeft, this, [this, box] { leaveWageBox(box); });
    }
    for (QCheckBox* box : {m_minimize, m_advanced, m_savePosition})
        connect(box, &QCheckBox::clicked, this, changed);
    connect(save, &QPushButton::clicked, this, &OptionsDialog::CallSave);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(restore, &QPushButton::clicked, this, &OptionsDialog::CallRestore);

    QWidget* order[] = {m_minimum, m_dream, m_minimize, m_advanced, m_savePosition, save, cancel, restore};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void OptionsDialog::loadFromSettings()
{
    m_minimum->setText(WageText(m_state.MinimumWage));
    m_dream->setText(WageText(m_state.DreamWage));
    m_minimize->setChecked(m_state.MinimizeOnStartup);
    m_advanced->setChecked(m_state.StartInAdvancedMode);
    m_savePosition->setChecked(m_state.SavePositionOnExit);
}

void OptionsDialog::leaveWageBox(WageEdit* box)
{
    // A number too large to be money stays as typed, so that OK names the problem
    // instead of the box quietly turning it into 0.00.
    const double value = LeadingNumber(box->text().toStdString());
    if (!CurrencyFromDouble(std::isfinite(value) ? value : NAN).ok())
        return;
    box->setText(QString::fromStdString(FormatWageEntry(box->text().toStdString())));
}

void OptionsDialog::CallRestore()
{
    m_optionsChanged = true;
    m_minimum->setText(WageText(ConfigFile::DefaultMinimumWage));
    m_dream->setText(WageText(ConfigFile::DefaultDreamWage));
    m_minimize->setChecked(ConfigFile::DefaultMinimizeOnStartup);
    m_advanced->setChecked(ConfigFile::DefaultStartInAdvancedMode);
    m_savePosition->setChecked(ConfigFile::DefaultSavePositionOnExit);
}

bool OptionsDialog::fail(const std::string& description)
{
    m_prompt.ask({description, "Earnmeter", Message::Buttons::Ok, Message::Icon::None});
    return false;
}

bool OptionsDialog::CallSave()
{
    if (m_optionsChanged) {
        const CurrencyResult minimum = CurrencyFromText(m_minimum->text().toStdString());
        if (!minimum.ok())
            return fail(CurrencyErrorText(minimum.error));
        m_state.MinimumWage = minimum.value;
        const CurrencyResult dream = CurrencyFromText(m_dream->text().toStdString());
        if (!dream.ok())
            return fail(CurrencyErrorText(dream.error));
        m_state.DreamWage = dream.value;
        m_state.MinimizeOnStartup = m_minimize->isChecked();
        m_state.StartInAdvancedMode = m_advanced->isChecked();
        m_state.SavePositionOnExit = m_savePosition->isChecked();
        const WriteResult written = m_config.WriteConfig(ConfigFile::SwitchValue(m_state.MinimizeOnStartup),
                                                         ConfigFile::SwitchValue(m_state.StartInAdvancedMode),
                                                         ConfigFile::SwitchValue(m_state.SavePositionOnExit));
        m_config.CloseConfig();
        if (!written.ok)
            return fail(written.reason);
        m_wageTypes.ShowConfiguredRates();
    }
    done(QDialog::Accepted);
    return true;
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    // Centred on the screen the first time; afterwards where the user left it.
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
    QDialog::showEvent(event);
}

void OptionsDialog::reject()
{
    // Putting the controls back is no edit of the user's.
    const bool changed = m_optionsChanged;
    loadFromSettings();
    m_optionsChanged = changed;
    QDialog::reject();
}
