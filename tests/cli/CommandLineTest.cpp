#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"
#include "engine/RowName.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Outcome = ControlClient::Outcome;

// What the running copy answers, as the channel would hand it on.
struct Copy
{
    Outcome outcome;
    std::vector<std::string> lines;
    std::string refusal = {}; // no channel could be had
};
const Copy Answering{Outcome::Answered, {"ok"}};
const Copy Reporting{Outcome::Answered, {"Running 00:00:07 $0.07 ($36.00/hr)", "Running 00:00:08 $0.08 ($36.00/hr)"}};
const std::string Seventh = "Running 00:00:07 $0.07 ($36.00/hr)\n",
                  Reported = Seventh + "Running 00:00:08 $0.08 ($36.00/hr)\n";
const Copy Absent{Outcome::NotRunning, {}};
const Copy Silent{Outcome::NoAnswer, {}};
const Copy Confused{Outcome::Answered, {"error unknown request"}};
const Copy Busy{Outcome::Answered, {"busy"}};
const Copy Refused{Outcome::NotRunning, {}, "the control channel in /tmp/earnmeter-1000 is refused: it is a link"};
const Copy StartedAtZero{Outcome::Answered, {"ok started 0.0000"}};
const Copy StartedAtAWage{Outcome::Answered, {"ok started 36.0000"}};

struct Row
{
    std::string name;
    std::string arguments; // apart by blanks
    Copy copy;
    int status;          // -1: the program itself starts
    std::string request; // what was sent, "" for nothing
    std::string out;
    std::string err; // a part of standard error; "" for nothing at all
};

// Every option, the combinations that go together and those that do not, and
// each way the running copy can fail to answer.
const std::vector<Row> Table = {
    {"NoOptionStartsTheProgram", "", Answering, -1, "", "", ""},
    {"QtWindowSystemOptionsAreLeftToQt", "-session 1a2b -platform=xcb -reverse", Answering, -1, "", "", ""},
    {"ShortVersion", "-v", Answering, 0, "", "Earnmeter 2.5\n", ""},
    {"VersionBeforeOtherOptions", "--status --version", Answering, 0, "", "Earnmeter 2.5\n", ""},
    {"Status", "--status", Reporting, 0, "status", Seventh, ""},
    {"StatusJson", "--status --json", Answering, 0, "status json", "ok\n", ""},
    {"StatusWatchPrintsEveryLineThenTheEnd", "--watch --status", Reporting, 0, "watch",
     Reported + "Earnmeter is not running\n", ""},
    {"Start", "--start", Answering, 0, "start", "", ""},
    {"Toggle", "--toggle", Answering, 0, "toggle", "", ""},
    {"Show", "--show", Answering, 0, "show", "", ""},
    {"StartAtNoWageIsSaidButDone", "--start", StartedAtZero, 0, "start", "",
     "Earnmeter started at $0.00/hr: no wage is set\n"},
    {"StartAtAWageSaysNothing", "--start", StartedAtAWage, 0, "start", "", ""},
    {"StatusWithNoCopyIsSaidWhereTheStatusGoes", "--status", Absent, 3, "status", "Earnmeter is not running\n", ""},
    {"JsonWithNoCopyKeepsStandardOutputForJson", "--status --json", Absent, 3, "status json", "",
     "Earnmeter is not running\n"},
    {"CommandToASilentCopy", "--start", Silent, 4, "start", "", "did not answer within 2 seconds"},
    {"CommandAnsweredWithSomethingElse", "--pause", Confused, 4, "pause", "", "did not answer"},
    {"StatusFromABusyCopy", "--status", Busy, 5, "status", "", "Earnmeter is busy"},
    {"CommandToABusyCopy", "--toggle", Busy, 5, "toggle", "", "every place on its control channel is taken"},
    {"CommandWithARefusedChannel", "--start", Refused, 6, "start", "", "Earnmeter cannot be reached: the control"},
    {"UnknownLongOption", "--bogus", Answering, 2, "", "", "Unknown option 'bogus'"},
    {"UnknownOptionBeatsHelp", "--help --bogus", Answering, 2, "", "", "Unknown option 'bogus'"},
    {"Argument", "notes.txt", Answering, 2, "", "", "Unexpected argument 'notes.txt'"},
    {"JsonAlone", "--json", Answering, 2, "", "", "--json and --watch go with --status"},
    {"WatchWithACommand", "--watch --toggle", Answering, 2, "", "", "--json and --watch go with --status"},
    {"TwoCommands", "--start --pause", Answering, 2, "", "", "not several"},
    {"TheSameCommandTwice", "--start --start", Answering, 0, "start", "", ""},
    {"HistoryNeedsNoCopy", "--history", Absent, 0, "", "history *..*\n", ""},
    {"HistoryWithinDates", "--history --from 2026-03-01 --to=2026-03-31", Absent, 0, "",
     "history 2026-03-01..2026-03-31\n", ""},
    {"HistoryWithABadDate", "--history --from 2026-3-1", Answering, 2, "", "",
     "--from wants a date as YYYY-MM-DD, not \"2026-3-1\""},
    {"HistoryToADayThatIsNone", "--history --to 2026-02-30", Answering, 2, "", "",
     "--to wants a date as YYYY-MM-DD, not \"2026-02-30\""},
    {"HistoryBackwards", "--history --from 2026-03-02 --to 2026-03-01", Answering, 2, "", "",
     "--from 2026-03-02 comes after --to 2026-03-01"},
    {"HistoryWithoutADate", "--history --to", Answering, 2, "", "", "Missing value after '--to'"},
    {"FromWithoutHistory", "--from 2026-03-01", Answering, 2, "", "", "--from and --to go with --history"},
    {"HistoryAndStatus", "--history --status", Answering, 2, "", "", "not several"},
    {"HistoryWithJson", "--history --json", Answering, 2, "", "", "--json and --watch go with --status"},
};

// The history as the file gives it: here, the range asked for.
int printRange(const HistoryRange& range, std::ostream& out, std::ostream&)
{
    out << "history " << (range.from ? range.from->text() : "*") << ".." << (range.to ? range.to->text() : "*") << "\n";
    return 0;
}

class CommandLineTable : public testing::TestWithParam<Row>
{};

TEST_P(CommandLineTable, AsksTheRunningCopyOnlyWhatMakesSenseAndEndsWithItsStatus)
{
    const Row& row = GetParam();
    QStringList arguments{QStringLiteral("earnmeter")};
    if (!row.arguments.empty())
        arguments += QString::fromStdString(row.arguments).split(QLatin1Char(' '));
    const CommandLine line = parseCommandLine(arguments);
    if (row.status < 0) {
        EXPECT_EQ(line.action, CommandLine::Action::RunProgram);
        return;
    }
    std::string sent;
    std::ostringstream out, err;
    const auto exchange = [&](const std::string& request, const ControlClient::LineHandler& onLine) {
        sent = request;
        for (const std::string& answer : row.copy.lines)
            if (!onLine(answer))
                break;
        return ExchangeReply(row.copy.outcome, row.copy.refusal);
    };
    EXPECT_EQ(static_cast<int>(CommandRunner(exchange, printRange, out, err).run(line)), row.status);
    EXPECT_EQ(sent, row.request);
    EXPECT_EQ(out.str(), row.out);
    if (row.err.empty())
        EXPECT_EQ(err.str(), "");
    else
        EXPECT_NE(err.str().find(row.err), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLineTable, testing::ValuesIn(Table), RowName());

} // namespace
