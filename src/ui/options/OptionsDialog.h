#pragma once

#include "engine/Prompt.h"
#include "engine/RunState.h"
#include "engine/WageTypes.h"
#include "storage/ConfigFile.h"

#include <QDialog>

class QCheckBox;
class WageEdit;

// The options dialog: the two reference wages and the three start-up switches.
// OK applies and saves them only when something was changed; Cancel puts the
// controls back; Restore Defaults fills in the defaults without saving.
class OptionsDialog final : public QDialog
{
    Q_OBJECT

public:
    OptionsDialog(RunState& state, ConfigFile& config, WageTypes& wageTypes, Prompt& prompt, QWidget* parent = nullptr);

    void CallRestore();
    // False when a wage or the file was refused; the dialog then stays open.
    bool CallSave();
    bool optionsChanged() const { return m_optionsChanged; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void loadFromSettings();
    void leaveWageBox(WageEdit* box);
    bool fail(const std::string& description);

    RunState& m_state;
    ConfigFile& m_config;
    WageTypes& m_wageTypes;
    Prompt& m_prompt;
    bool m_optionsChanged = false;
    bool m_placed = false;
    WageEdit* m_minimum = nullptr;
    WageEdit* m_dream = nullptr;
    QCheckBox* m_minimize = nullptr;
    QCheckBox* m_advanced = nullptr;
    QCheckBox* m_savePosition = nullptr;
};
