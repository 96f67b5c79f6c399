#include "host/Host.h"

#include "engine/ClipboardCopies.h"
#include "engine/Formats.h"
#include "engine/Version.h"
#include "host/WindowPlacement.h"
#include "ui/about/AboutWindow.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/options/OptionsDialog.h"

#include <QTimer>

namespace {
const std::string ProductName = Version::ProductName;
}

Host::Host(HostServices services)
    : m_services(std::move(services)), m_wageTypes(m_state, m_services.prompt),
      m_timer(m_state, m_services.prompt, m_wageTypes,
              {m_services.mainTick, m_services.advancedTick, m_services.blink}),
      m_config(m_services.files, m_services.prompt, m_state, m_services.dataFolder),
      m_stateFiles(m_services.files, m_services.prompt, m_state, m_services.dataFolder),
      m_links(m_services.shell, m_services.programFolder), m_support(m_services.shell, m_services.facts),
      m_trayHost(m_state, m_services.makeTray, trayActions())
{
    m_main = std::make_unique<MainWindow>(m_timer, *this);
    m_placement = std::make_unique<WindowPlacement>(*m_main);
    m_timer.modeChanged.subscribe([this] { switchWindows(); });
    m_timer.trayFlipped.subscribe([this](bool) { m_trayHost.refreshToolTip(); });
    m_timer.checkpointDue.subscribe([this] { checkpoint(); });
}

Host::~Host() = default;

TrayHost::Actions Host::trayActions()
{
    // Start and pause reach the live window: the simple window's buttons would
    // count twice while the advanced one runs.
    return {[this] { showLiveWindow(); },
            [this] { m_timer.Start(m_timer.liveWindow()); },
            [this] { m_timer.Pause(m_timer.liveWindow()); },
            [this] { requestExit(); },
            [this] { showAbout(); },
            [this] {
                m_support.SendSupportEmail();
            }};
}

bool Host::start()
{
    m_trayHost.create();
    m_state.ElapsedSeconds = 0;
    if (!readSettings())
        return false;
    readStateFiles();
    askToContinue();
    if (m_endRequested) {
        // The count in memory is not the user's yet: the files stay as they are.
        m_trayHost.remove();
        return false;
    }
    m_countIsTheUsers = true;
    m_state.HourlyWage = {};
    m_timer.ShowCount();
    m_wageTypes.ShowConfiguredRates();
    showFirstWindow();
    return true;
}

bool Host::readSettings()
{
    const ConfigOpenResult opened = m_config.OpenConfigForInput();
    if (!opened.ok) {
        m_services.prompt.ask(ConfigOpenFailedMessage(opened.description));
        m_services.prompt.ask(ConfigRecreateMessage());
        options().CallRestore();
        options().CallSave();
        m_trayHost.remove();
        return false;
    }
    const ConfigReadResult read = m_config.ReadConfig();
    m_config.CloseConfig();
    if (read.outcome == ConfigReadResult::Outcome::Unreadable)
        m_services.prompt.ask(ConfigUnreadableMessage(read.problem));
    if (read.outcome == ConfigReadResult::Outcome::Updated && !read.rewrite.ok)
        tell(read.rewrite.reason);
    return true;
}

void Host::readStateFiles()
{
    const StateReadResult saved = m_stateFiles.ReadSaved(*m_placement);
    m_stateFiles.CloseProgressFile();
    const StateReadResult prev = m_stateFiles.ReadPrev();
    m_stateFiles.CloseProgressFile();
    for (const StateReadResult* result : {&saved, &prev})
        if (result->outcome == StateReadResult::Outcome::Rewritten && !result->rewrite.ok)
            tell(result->rewrite.reason);
}

void Host::askToContinue()
{
    if (m_state.ElapsedSeconds <= 0)
        return;
    const Message question{"Do you want to continue with your elapsed time of " +
                               FormatElapsed(m_state.ElapsedSeconds) + "?",
                           "Continue " + ProductName, Message::Buttons::YesNo, Message::Icon::Question};
    if (m_services.prompt.ask(question) != Answer::Yes)
        m_state.ElapsedSeconds = 0;
}

void Host::showFirstWindow()
{
    QWidget& first = liveWindow();
    if (m_state.MinimizeOnStartup)
        first.showMinimized();
    else
        first.show();
}

OptionsDialog& Host::options()
{
    if (!m_options)
        m_options = std::make_unique<OptionsDialog>(m_state, m_config, m_wageTypes, m_services.prompt);
    return *m_options;
}

AdvancedWindow& Host::advancedWindow()
{
    if (!m_advanced) {
        // It renders the run as the model holds it, whatever happened before it existed.
        m_advanced = std::make_unique<AdvancedWindow>(m_timer, m_wageTypes, *this, m_main->hiddenMenu());
        m_placement->attachAdvanced(*m_advanced);
    }
    return *m_advanced;
}

QWidget& Host::liveWindow()
{
    if (m_state.AdvancedMode)
        return advancedWindow();
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
    QWidget* other = m_state.AdvancedMode ? static_cast<QWidget*>(m_main.get()) : m_advanced.get();
    if (other)
        other->hide();
    showLiveWindow();
}

void Host::checkpoint()
{
    const WriteResult written = m_stateFiles.WritePrev();
    m_stateFiles.CloseProgressFile();
    if (written.ok) {
        m_checkpointFailing = false;
        return;
    }
    if (m_checkpointFailing)
        return;
    m_checkpointFailing = true;
    // Not inside the tick: a modal box there would let further ticks run inside it.
    QTimer::singleShot(0, this, [this, reason = written.reason] {
        tell(reason + "\n\nThe elapsed time goes on counting; it will be saved again in five minutes.");
    });
}

void Host::saveCountAtSessionEnd()
{
    if (m_exiting)
        return;
    if (!m_countIsTheUsers) {
        m_endRequested = true;
        return;
    }
    const WriteResult written = m_stateFiles.WritePrev();
    m_stateFiles.CloseProgressFile();
    if (!written.ok)
        tell(written.reason);
}

void Host::ExitProgram(bool save)
{
    m_exiting = true;
    if (m_main->isMinimized())
        m_main->showNormal();
    else if (m_advanced && m_advanced->isMinimized())
        m_advanced->showNormal();
    if (!m_state.SavePositionOnExit)
        m_placement->apply(WindowPositions{});
    const WriteResult saved = m_stateFiles.WriteSaved(m_placement->current());
    m_stateFiles.CloseProgressFile();
    if (!save)
        m_state.ElapsedSeconds = 0;
    const WriteResult prev = m_stateFiles.WritePrev();
    m_stateFiles.CloseProgressFile();
    for (const WriteResult* result : {&saved, &prev})
        if (!result->ok)
            tell(result->reason);
    m_trayHost.remove();
    m_services.quit();
}

void Host::requestExit()
{
    if (m_state.ElapsedSeconds == 0) {
        ExitProgram(false);
        return;
    }
    const Answer answer =
        m_services.prompt.ask({"Do you want to save your elapsed time?", "Save " + ProductName + " Progress",
                               Message::Buttons::YesNoCancel, Message::Icon::Exclamation});
    if (answer == Answer::Yes)
        ExitProgram(true);
    else if (answer == Answer::No)
        ExitProgram(false);
}

void Host::tell(const std::string& text, Message::Icon icon)
{
    m_services.prompt.ask({text, ProductName, Message::Buttons::Ok, icon});
}

void Host::resetTimer()
{
    m_timer.Reset();
}

void Host::showOptions()
{
    options().exec();
}

void Host::copyElapsed()
{
    CopyElapsedToClipboard(m_state, m_services.clipboard);
}

void Host::copyWage()
{
    CopyWageToClipboard(m_state, m_services.clipboard);
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
        m_about = std::make_unique<AboutWindow>(m_services.prompt, m_links, m_support);
    m_about->ShowAbout();
}

void Host::closeWindow(QWidget* window)
{
    // With no tray to bring it back, a hidden window would be lost while the run goes on.
    if (m_trayHost.available())
        window->hide();
    else
        window->showMinimized();
}
