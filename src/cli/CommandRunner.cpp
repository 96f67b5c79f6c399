#include "cli/CommandRunner.h"

#include "engine/Version.h"
#include "platform/ControlAddress.h"
#include "platform/ControlProtocol.h"
#include "platform/DataFolder.h"
#include "storage/FileSystem.h"
#include "platform/SystemClock.h"
#include "storage/HistoryStore.h"

#include <ext/stdio_sync_filebuf.h>

#include <cstdio>
#include <ostream>

namespace {
constexpr const char* NotRunningText = "Earnmeter is not running";
constexpr const char* NoAnswerText = "Earnmeter is running but did not answer within 2 seconds";
constexpr const char* BusyText = "Earnmeter is busy: every place on its control channel is taken; try again later";
constexpr const char* StoppedJson = R"({"state":"stopped","text":"Earnmeter is not running",)"
                                    R"("tooltip":"Earnmeter is not running","class":"stopped"})";
} // namespace

CommandRunner::CommandRunner(Exchange exchange, PrintHistory printHistory, std::ostream& out, std::ostream& err)
    : m_exchange(std::move(exchange)), m_printHistory(std::move(printHistory)), m_out(out), m_err(err)
{}

ExitStatus CommandRunner::run(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        m_out << usageText();
        return ExitStatus::Ok;
    case CommandLine::Action::Version:
        m_out << Version::ProductName << ' ' << VersionText() << '\n';
        return ExitStatus::Ok;
    case CommandLine::Action::Status:
        return status(line);
    case CommandLine::Action::Command:
        return command(line.command);
    case CommandLine::Action::History:
        return history(line);
    case CommandLine::Action::RunProgram:
    case CommandLine::Action::Refused:
        break;
    }
    m_err << "earnmeter: " << line.error << "\nTry 'earnmeter --help' for the options.\n";
    return ExitStatus::Usage;
}

// A plain status is what a panel shows, so "not running" goes where the
// status would; every other failure goes to standard error.
ExitStatus CommandRunner::ask(const std::string& request, const ControlClient::LineHandler& onLine, bool statusOnOut)
{
    bool busy = false, first = true;
    const auto heard = [&](const std::string& line) {
        busy = std::exchange(first, false) && line == ControlProtocol::Busy;
        return !busy && onLine(line);
    };
    const ExchangeReply reply = m_exchange(request, heard);
    if (!reply.refusal.empty()) {
        m_err << "Earnmeter cannot be reached: " << reply.refusal << std::endl;
        return ExitStatus::Refused;
    }
    switch (reply.outcome) {
    case ControlClient::Outcome::Answered:
        if (!busy)
            return ExitStatus::Ok;
        m_err << BusyText << std::endl;
        return ExitStatus::Busy;
    case ControlClient::Outcome::NotRunning:
        (statusOnOut ? m_out : m_err) << NotRunningText << std::endl;
        return ExitStatus::NotRunning;
    case ControlClient::Outcome::NoAnswer:
        break;
    }
    m_err << NoAnswerText << std::endl;
    return ExitStatus::NoAnswer;
}

ExitStatus CommandRunner::status(const CommandLine& line)
{
    const ControlRequest request{line.watch ? ControlRequest::Kind::Watch : ControlRequest::Kind::Status,
                                 RemoteCommand::Show, line.json};
    bool heard = false;
    // Each line at once: a panel reads them as they come. A status is one line.
    const ExitStatus status = ask(
        requestLine(request),
        [this, &heard, watch = line.watch](const std::string& answer) {
            heard = true;
            m_out << answer << std::endl;
            return watch && m_out;
        },
        !line.json);
    // The channel closed under a watcher: the program has ended, and a panel
    // should not go on showing it running.
    if (line.watch && heard && status == ExitStatus::Ok && m_out)
        m_out << (line.json ? StoppedJson : NotRunningText) << std::endl;
    return status;
}

ExitStatus CommandRunner::command(RemoteCommand command)
{
    CommandAnswer answer;
    const ExitStatus status = ask(
        requestLine({ControlRequest::Kind::Command, command}),
        [&answer](const std::string& line) {
            answer = parseCommandAnswer(line);
            return false;
        },
        false);
    if (status == ExitStatus::Ok && answer.done && answer.startsAt == Currency{})
        m_err << "Earnmeter started at $0.00/hr: no wage is set" << std::endl;
    if (status != ExitStatus::Ok || answer.done)
        return status;
    m_err << NoAnswerText << std::endl;
    return ExitStatus::NoAnswer;
}

// Read straight from the file, whether or not the program runs: no channel needed.
ExitStatus CommandRunner::history(const CommandLine& line)
{
    const auto range = historyRange(line.from, line.to);
    if (const auto* wrong = std::get_if<std::string>(&range)) {
        m_err << "earnmeter: " << *wrong << "\nTry 'earnmeter --help' for the options.\n";
        return ExitStatus::Usage;
    }
    return m_printHistory(std::get<HistoryRange>(range), m_out, m_err) == 0 ? ExitStatus::Ok : ExitStatus::Failed;
}

int runCommandLine(const CommandLine& line)
{
    const auto exchange = [](const std::string& request, const ControlClient::LineHandler& onLine) {
        // The folder is only named here, never made: the command line writes nothing.
        const ControlAddress address = controlAddressFor(chooseDataFolder(dataFolderInputs()), FolderUse::Find);
        if (address.ok())
            return ExchangeReply(ControlClient(address.socketPath).exchange(request, onLine));
        if (!address.refused())
            return ExchangeReply(ControlClient::Outcome::NotRunning);
        return ExchangeReply(ControlClient::Outcome::NotRunning,
                             "the control channel in " + address.refusedFolder + " is refused: it " + address.refusal);
    };
    const auto printFromFile = [](const HistoryRange& range, std::ostream& out, std::ostream& err) {
        const SystemClock clock;
        const std::string folder = chooseDataFolder(dataFolderInputs());
        return printHistory(pathInFolder(folder, HistoryStore::FileName), range, clock, out, err);
    };
    // Streams made here, as std::cout's are, over stdio: <iostream> would set its
    // streams up at every start, the desktop program's too.
    __gnu_cxx::stdio_sync_filebuf<char> outBuffer(stdout), errBuffer(stderr);
    std::ostream out(&outBuffer), err(&errBuffer);
    return static_cast<int>(CommandRunner(exchange, printFromFile, out, err).run(line));
}
