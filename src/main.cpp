#include "ProgramModule.h"
#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // The options need no display, so they are read before any application object exists.
    const CommandLine line = parseCommandLine(arguments);
    if (line.action == CommandLine::Action::RunProgram)
        return runProgramModule(argc, argv);
    return runCommandLine(line);
}
