#include "host/Host.h"

#include "ui/history/HistoryWindow.h"

// The Options and Preferences windows confirmed: what they hold is written
// first and in force only once it is on disk.

bool Host::saveSettings(const Settings& settings)
{
    if (const WriteResult written = m_config.write(settings); !written.ok) {
        tell(written.reason, Message::Icon::None);
        return false;
    }
    m_settings = settings;
    m_wageTypes.showConfiguredRates();
    return true;
}

// Earnmeter.conf is written here alone, never at exit.
std::optional<Preferences> Host::savePreferences(Preferences preferences)
{
    switchLoginStart(preferences);
    if (const WriteResult written = m_preferencesFile.write(preferences); !written.ok) {
        tell(written.reason);
        return std::nullopt;
    }
    usePreferences(preferences);
    return preferences;
}

// A login start that cannot be set is told, and the switch keeps its state.
void Host::switchLoginStart(Preferences& preferences)
{
    if (preferences.startAtLogin == m_preferences.startAtLogin)
        return;
    if (const WriteResult switched = m_services.loginStart.set(preferences.startAtLogin); !switched.ok) {
        tell(tr("Earnmeter's start at login could not be changed: %1.")
                 .arg(QString::fromStdString(switched.reason))
                 .toStdString());
        preferences.startAtLogin = m_preferences.startAtLogin;
    }
}

void Host::usePreferences(const Preferences& preferences)
{
    const bool newCurrency = preferences.currency != m_preferences.currency;
    m_preferences = preferences;
    m_wageTypes.setWorkingWeek(m_preferences.workingWeek);
    m_workingDay.preferencesChanged();
    m_away.preferencesChanged();
    if (newCurrency)
        showCurrency();
}

// Every figure is written afresh in the currency now chosen.
void Host::showCurrency()
{
    m_money.choose(m_preferences.currency);
    m_wageTypes.showConfiguredRates();
    m_windows->showCurrencySymbol(m_money.symbol());
    m_timer.setMoney(m_money);
    m_trayHost.moneyChanged(m_timer.totalEarned());
    showToday();
    if (m_historyWindow)
        m_historyWindow->setMoney(m_money);
    m_control.moneyChanged();
}
