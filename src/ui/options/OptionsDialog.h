#pragma once

#include "engine/Currency.h"
#include "engine/Prompt.h"
#include "engine/Settings.h"
#include "ui/common/CurrencyCaptions.h"

#include <QDialog>
#include <QLocale>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class WageEdit;

// The options dialog edits a copy of the settings: the two reference wages and
// the three start-up switches. OK hands the edited settings to its owner only
// when something was changed; Cancel puts the controls back; Restore Defaults
// fills in the defaults without saving.
class OptionsDialog final : public QDialog
{
    Q_OBJECT

public:
    // Saves and applies edited settings; false when that failed (the user has
    // been told), and the dialog stays open.
    using Save = std::function<bool(const Settings&)>;

    // Its boxes read and show numbers the way `numbers` writes them.
    OptionsDialog(const Settings& current, Prompt& prompt, Save save, const QLocale& numbers,
                  QWidget* parent = nullptr);

    void CallRestore();
    // False when a wage or the file was refused; the dialog then stays open.
    bool CallSave();
    bool optionsChanged() const { return m_optionsChanged; }
    // The wage captions name the money in use ("&Minimum Wage €").
    void showCurrencySymbol(const QString& symbol);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createWageBoxes();
    void createSwitchesAndButtons();
    void connectControls();
    void showSettings(const Settings& settings);
    std::optional<Settings> edited();
    QString errorText(CurrencyError error) const;
    void leaveWageBox(WageEdit* box);

    Settings m_current; // as saved: what Cancel puts back
    CurrencyCaptions m_currencyCaptions;
    Prompt& m_prompt;
    Save m_save;
    bool m_optionsChanged = false;
    bool m_placed = false;
    WageEdit* m_minimum = nullptr;
    WageEdit* m_dream = nullptr;
    QCheckBox* m_minimize = nullptr;
    QCheckBox* m_advanced = nullptr;
    QCheckBox* m_savePosition = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdRestore = nullptr;
};
