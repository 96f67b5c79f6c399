#include "host/Host.h"

#include "engine/ClipboardCopies.h"
#include "engine/Version.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/main/MainWindow.h"

Host::Host(HostServices services)
    : m_services(std::move(services)), m_wageTypes(m_state, m_services.prompt),
      m_timer(m_state, m_services.prompt, m_wageTypes, {m_services.mainTick, m_services.advancedTick, m_services.blink})
{
    m_main = std::make_unique<MainWindow>(m_timer, *this);
    m_advanced = std::make_unique<AdvancedWindow>(m_timer, m_wageTypes, *this, m_main->hiddenMenu());
    m_timer.modeChanged.subscribe([this] { switchWindows(); });
}

Host::~Host() = default;

bool Host::start()
{
    m_state.ElapsedSeconds = 0;
    m_state.HourlyWage = {};
    m_timer.ShowCount();
    m_wageTypes.ShowConfiguredRates();
    QWidget& first = liveWindow();
    if (m_state.MinimizeOnStartup)
        first.showMinimized();
    else
        first.show();
    return true;
}

QWidget& Host::liveWindow()
{
    if (m_state.AdvancedMode)
        return *m_advanced;
    return *m_main;
}

void Host::showLiveWindow()
{
    QWidget& window = liveWindow();
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void Host::switchWindows()
{
    QWidget& live = liveWindow();
    QWidget& other = m_state.AdvancedMode ? static_cast<QWidget&>(*m_main) : *m_advanced;
    other.hide();
    live.show();
    live.raise();
    live.activateWindow();
}

void Host::ExitProgram(bool save)
{
    if (!save)
        m_state.ElapsedSeconds = 0;
    m_exiting = true;
    m_services.quit();
}

void Host::requestExit()
{
    if (m_state.ElapsedSeconds == 0) {
        ExitProgram(false);
        return;
    }
    const std::string product = Version::ProductName;
    const Answer answer =
        m_services.prompt.ask({"Do you want to save your elapsed time?", "Save " + product + " Progress",
                               Message::Buttons::YesNoCancel, Message::Icon::Exclamation});
    if (answer == Answer::Yes)
        ExitProgram(true);
    else if (answer == Answer::No)
        ExitProgram(false);
}

void Host::resetTimer()
{
    m_timer.Reset();
}

void Host::showOptions() {}

void Host::copyElapsed()
{
    CopyElapsedToClipboard(m_state, m_services.clipboard);
}

void Host::copyWage()
{
    CopyWageToClipboard(m_state, m_services.clipboard);
}

void Host::sendSupportEmail(QWidget*) {}
void Host::openWebPage() {}
void Host::openDonatePage() {}
void Host::openReadme() {}
void Host::showAbout() {}

void Host::closeWindow(QWidget* window)
{
    window->hide();
}
