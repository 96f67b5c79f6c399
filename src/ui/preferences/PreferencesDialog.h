#pragma once

#include "engine/Preferences.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QVBoxLayout;

// The Preferences window edits a copy of the preferences, group by group, in
// plain words. OK hands the edited preferences to its owner only when they
// differ from those in force; Cancel puts the controls back; Restore Defaults
// fills in the defaults without saving.
class PreferencesDialog final : public QDialog
{
    Q_OBJECT

public:
    // Saves and applies the edited preferences; false when that failed (the
    // user has been told), and the window stays open.
    using Save = std::function<bool(const Preferences&)>;

    PreferencesDialog(const Preferences& current, Save save, QWidget* parent = nullptr);

    Preferences edited() const;
    void restoreDefaults();
    // False when saving failed; the window then stays open.
    bool save();

public slots:
    void reject() override;

private:
    void createWageAndDay(QVBoxLayout* column);
    void createButtons(QVBoxLayout* column);
    void show(const Preferences& preferences);

    Preferences m_current; // as saved: what Cancel puts back
    Save m_save;
    QCheckBox* m_rememberWage = nullptr;
    QComboBox* m_newDay = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
