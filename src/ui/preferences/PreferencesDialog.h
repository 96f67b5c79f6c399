#pragma once

#include "engine/Preferences.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Prompt;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTimeEdit;
class QVBoxLayout;

// The Preferences window edits a copy of the preferences, group by group, in
// plain words. OK hands the edited preferences to its owner only when they
// differ from those in force, and only when they make sense (a day that ends
// after it begins, a break within it, a goal above 0); Cancel puts the
// controls back; Restore Defaults fills in the defaults without saving.
class PreferencesDialog final : public QDialog
{
    Q_OBJECT

public:
    // Saves and applies the edited preferences, giving back those now in force
    // (a switch the desktop refused keeps its state); nothing when saving failed
    // (the user has been told), and the window stays open.
    using Save = std::function<std::optional<Preferences>(const Preferences&)>;

    // Its boxes read and show numbers the way `numbers` writes them.
    PreferencesDialog(const Preferences& current, Prompt& prompt, Save save, const QLocale& numbers,
                      QWidget* parent = nullptr);

    // The preferences as the controls hold them; nothing, and the user told,
    // when they do not make sense.
    std::optional<Preferences> edited();
    // The goal's caption names the currency in force.
    void showCurrencySymbol(const QString& symbol);
    void restoreDefaults();
    // False when the preferences were refused or saving failed; the window then stays open.
    bool save();
    // How the desktop tells time away ("the screen lock"); empty when it cannot.
    void setAwayWays(const std::vector<std::string>& ways);

public slots:
    void reject() override;

private:
    void createWageAndDay(QVBoxLayout* column);
    void createWorkingDay(QVBoxLayout* column);
    void createDayTimes(class QFormLayout* form);
    void createWorkingWeek(QVBoxLayout* column);
    void createAway(QVBoxLayout* column);
    void createMoney(QVBoxLayout* column);
    void createButtons(QVBoxLayout* column);
    void show(const Preferences& preferences);
    void enableTimes();
    bool refuse(const QString& text);

    Preferences m_current; // as saved: what Cancel puts back
    Prompt& m_prompt;
    Save m_save;
    QCheckBox* m_rememberWage = nullptr;
    QComboBox* m_newDay = nullptr;
    QCheckBox* m_workingDay = nullptr;
    QTimeEdit* m_start = nullptr;
    QTimeEdit* m_end = nullptr;
    std::array<QCheckBox*, 7> m_workdays{};
    QCheckBox* m_break = nullptr;
    QTimeEdit* m_breakFrom = nullptr;
    QTimeEdit* m_breakTo = nullptr;
    QCheckBox* m_autoStart = nullptr;
    QCheckBox* m_autoPause = nullptr;
    QCheckBox* m_startAtLogin = nullptr;
    QLineEdit* m_goal = nullptr;
    QCheckBox* m_notifications = nullptr;
    class QSpinBox* m_awayMinutes = nullptr;
    QComboBox* m_awayAction = nullptr;
    QLabel* m_goalCaption = nullptr;
    QComboBox* m_currency = nullptr; // each item's data is its value of the currency key
    class QDoubleSpinBox* m_hoursPerDay = nullptr;
    class QSpinBox* m_daysPerWeek = nullptr;
    class QLabel* m_awayWays = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
