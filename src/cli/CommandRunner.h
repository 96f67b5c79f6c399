#pragma once

#include "cli/CommandLine.h"
#include "platform/ControlClient.h"
#include "storage/HistoryReport.h"

#include <functional>
#include <iosfwd>
#include <string>

// The exit statuses of the command-line options.
enum class ExitStatus
{
    Ok = 0,
    Failed = 1,     // the history file cannot be read
    Usage = 2,      // unknown options, or options that do not go together
    NotRunning = 3, // no copy runs on this data folder
    NoAnswer = 4,   // a copy runs but did not answer within 2 seconds
    Busy = 5,       // every place for a client on the channel is taken
    Refused = 6     // no control channel can be had: its folder is refused
};

// What an exchange with the running copy came to; `refusal` says why no channel
// could be had at all (the outcome is then NotRunning).
struct ExchangeReply
{
    ExchangeReply(ControlClient::Outcome outcome, std::string refusal = {})
        : outcome(outcome), refusal(std::move(refusal))
    {}
    ControlClient::Outcome outcome;
    std::string refusal;
};

// Carries out what the command line asks (anything but running the program)
// and says how it went. Talking to the running copy goes through `exchange`,
// which sends one request line and hands back the answer's lines.
class CommandRunner final
{
public:
    using Exchange = std::function<ExchangeReply(const std::string&, const ControlClient::LineHandler&)>;
    // Prints the history's day totals within the range; 0, or 1 when the file cannot be read.
    using PrintHistory = std::function<int(const HistoryRange&, std::ostream& out, std::ostream& err)>;

    CommandRunner(Exchange exchange, PrintHistory printHistory, std::ostream& out, std::ostream& err);

    ExitStatus run(const CommandLine& line);

private:
    ExitStatus ask(const std::string& request, const ControlClient::LineHandler& onLine, bool statusOnOut);
    ExitStatus status(const CommandLine& line);
    ExitStatus command(RemoteCommand command);
    ExitStatus history(const CommandLine& line);

    Exchange m_exchange;
    PrintHistory m_printHistory;
    std::ostream& m_out;
    std::ostream& m_err;
};

// For this process: the running copy on the data folder this binary would
// use, reached over its control channel; the answers on standard output.
int runCommandLine(const CommandLine& line);
