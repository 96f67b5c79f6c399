#include "host/Host.h"

#include "engine/ClipboardCopies.h"
#include "ui/about/AboutWindow.h"
#include "ui/common/Modality.h"
#include "ui/options/OptionsDialog.h"
#include "ui/preferences/PreferencesDialog.h"

// The commands both working windows, their menus and the tray share, and the
// dialogs they open, each built on first use.

void Host::resetTimer()
{
    m_timer.reset();
}

OptionsDialog& Host::options()
{
    if (!m_options)
        m_options = std::make_unique<OptionsDialog>(
            m_settings, m_prompt, [this](const Settings& edited) { return saveSettings(edited); }, m_services.locale);
    m_options->showCurrencySymbol(m_money.symbol());
    return *m_options;
}

void Host::showOptions()
{
    Modality::blockOnly(options(), &liveWindow());
    options().exec();
}

PreferencesDialog& Host::preferencesDialog()
{
    if (!m_preferencesDialog)
        m_preferencesDialog = std::make_unique<PreferencesDialog>(
            m_preferences, m_prompt, [this](const Preferences& edited) { return savePreferences(edited); },
            m_services.locale);
    m_preferencesDialog->showCurrencySymbol(m_money.symbol());
    return *m_preferencesDialog;
}

void Host::showPreferences()
{
    // The window says how time away is noticed: the desktop is asked first.
    m_services.away.watch(std::int64_t{m_preferences.awayMinutes} * 60);
    preferencesDialog().setAwayWays(m_services.away.ways());
    Modality::blockOnly(preferencesDialog(), &liveWindow());
    preferencesDialog().exec();
}

HistoryWindow& Host::historyWindow()
{
    if (!m_historyWindow) {
        m_historyWindow =
            std::make_unique<HistoryWindow>(m_history, m_services.files, m_prompt, m_services.chooseExportFile);
        m_historyWindow->setMoney(m_money);
    }
    return *m_historyWindow;
}

void Host::showHistory()
{
    HistoryWindow& window = historyWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void Host::copyElapsed()
{
    CopyElapsedToClipboard(m_timer.elapsedSeconds(), m_services.clipboard);
}

void Host::copyWage()
{
    CopyWageToClipboard(m_timer.totalEarned(), m_services.clipboard);
}

void Host::sendSupportEmail(QWidget*)
{
    m_support.SendSupportEmail();
}

void Host::openWebPage()
{
    m_links.OpenWebPage();
}

void Host::openDonatePage()
{
    m_links.OpenDonatePage();
}

void Host::openReadme()
{
    m_links.OpenReadme();
}

void Host::showAbout()
{
    if (!m_about)
        m_about = std::make_unique<AboutWindow>(m_prompt, m_links, m_support);
    Modality::blockOnly(*m_about, &liveWindow());
    m_about->ShowAbout();
}

void Host::closeWindow(QWidget* window)
{
    m_windows->close(window, m_trayHost.available());
}
