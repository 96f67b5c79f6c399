#pragma once

#include "engine/MeterRemote.h"

#include <QStringList>

#include <optional>
#include <string>

// What the command line asks for. Read before any application object exists:
// none of the options needs a display.
struct CommandLine
{
    enum class Action
    {
        RunProgram, // no option: start the meter (or bring the running one forward)
        Help,
        Version,
        Status,  // --status, with --json and --watch
        Command, // --start, --pause, --toggle or --show
        History, // --history, with --from and --to
        Refused  // the arguments make no sense; error says why
    };

    Action action = Action::RunProgram;
    RemoteCommand command = RemoteCommand::Show;
    bool json = false;
    bool watch = false;
    std::string error = {};
    std::optional<std::string> from = {}, to = {}; // --history's dates, as given
};

// The arguments as main() gets them, the program's name first. Options of
// Qt's own for the window system (-platform, -session...) are left to it.
CommandLine parseCommandLine(const QStringList& arguments);

// The text -h prints.
std::string usageText();
