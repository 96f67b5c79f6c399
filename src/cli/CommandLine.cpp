#include "cli/CommandLine.h"

#include <QCommandLineParser>

#include <array>
#include <utility>

namespace {

const QCommandLineOption Help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end."));
const QCommandLineOption Version({QStringLiteral("v"), QStringLiteral("version")},
                                 QStringLiteral("Show the version and end."));
const QCommandLineOption Status(QStringLiteral("status"),
                                QStringLiteral("Print the running meter's state, time, total and hourly wage."));
const QCommandLineOption Json(QStringLiteral("json"), QStringLiteral("With --status: print one JSON object."));
const QCommandLineOption Watch(QStringLiteral("watch"),
                               QStringLiteral("With --status: print the line again at every change, "
                                              "until the meter ends."));
const QCommandLineOption History(QStringLiteral("history"),
                                 QStringLiteral("Print the day totals of what was earned as CSV: "
                                                "date,seconds,hours,earned."));
const QCommandLineOption From(QStringLiteral("from"), QStringLiteral("With --history: from this day on."),
                              QStringLiteral("YYYY-MM-DD"));
const QCommandLineOption To(QStringLiteral("to"), QStringLiteral("With --history: up to this day."),
                            QStringLiteral("YYYY-MM-DD"));
const std::array<std::pair<QCommandLineOption, RemoteCommand>, 4> Commands{{
    {QCommandLineOption(QStringLiteral("start"), QStringLiteral("Start the running meter's timer.")),
     RemoteCommand::Start},
    {QCommandLineOption(QStringLiteral("pause"), QStringLiteral("Pause the running meter's timer.")),
     RemoteCommand::Pause},
    {QCommandLineOption(QStringLiteral("toggle"), QStringLiteral("Pause the timer when it runs, start it otherwise.")),
     RemoteCommand::Toggle},
    {QCommandLineOption(QStringLiteral("show"), QStringLiteral("Bring the running meter's window forward.")),
     RemoteCommand::Show},
}};

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Earnmeter calculates the wage earned each second.\n"
                                                    "Without options it starts the meter, or brings the running "
                                                    "one forward."));
    for (const QCommandLineOption& option : {Help, Version, Status, Json, Watch, History, From, To})
        parser.addOption(option);
    for (const auto& [option, command] : Commands)
        parser.addOption(option);
}

// Qt's options for the window system, with a value and without; QApplication reads them.
bool isQtOption(const QString& argument, bool& takesValue)
{
    static const QStringList valued = {QStringLiteral("platform"),
                                       QStringLiteral("platformpluginpath"),
                                       QStringLiteral("platformtheme"),
                                       QStringLiteral("plugin"),
                                       QStringLiteral("qwindowgeometry"),
                                       QStringLiteral("qwindowicon"),
                                       QStringLiteral("qwindowtitle"),
                                       QStringLiteral("session"),
                                       QStringLiteral("display"),
                                       QStringLiteral("geometry"),
                                       QStringLiteral("style"),
                                       QStringLiteral("stylesheet"),
                                       QStringLiteral("name"),
                                       QStringLiteral("title"),
                                       QStringLiteral("qmljsdebugger")};
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};
    if (!argument.startsWith(QLatin1Char('-')))
        return false;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const bool inlineValue = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    takesValue = valued.contains(name) && !inlineValue;
    return valued.contains(name) || (flags.contains(name) && !inlineValue);
}

QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool takesValue = false;
        if (i > 0 && isQtOption(arguments[i], takesValue))
            i += takesValue ? 1 : 0;
        else
            kept.append(arguments[i]);
    }
    return kept;
}

CommandLine refused(const QString& why)
{
    return {CommandLine::Action::Refused, RemoteCommand::Show, false, false, why.toStdString()};
}

CommandLine historyLine(const QCommandLineParser& parser)
{
    CommandLine line{CommandLine::Action::History};
    if (parser.isSet(From))
        line.from = parser.value(From).toStdString();
    if (parser.isSet(To))
        line.to = parser.value(To).toStdString();
    return line;
}

CommandLine readParsed(const QCommandLineParser& parser)
{
    if (parser.isSet(Help))
        return {CommandLine::Action::Help};
    if (parser.isSet(Version))
        return {CommandLine::Action::Version};
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    CommandLine line;
    const bool json = parser.isSet(Json), watch = parser.isSet(Watch);
    int commands = parser.isSet(Status) ? 1 : 0;
    for (const auto& [option, command] : Commands) {
        if (parser.isSet(option)) {
            line = {CommandLine::Action::Command, command};
            ++commands;
        }
    }
    commands += parser.isSet(History) ? 1 : 0;
    if (commands > 1)
        return refused(
            QStringLiteral("Give one of --status, --start, --pause, --toggle, --show and --history, not several."));
    if ((json || watch) && !parser.isSet(Status))
        return refused(QStringLiteral("--json and --watch go with --status."));
    if ((parser.isSet(From) || parser.isSet(To)) && !parser.isSet(History))
        return refused(QStringLiteral("--from and --to go with --history."));
    if (parser.isSet(Status))
        return {CommandLine::Action::Status, RemoteCommand::Show, json, watch};
    if (parser.isSet(History))
        return historyLine(parser);
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(withoutQtOptions(arguments)))
        return refused(parser.errorText());
    return readParsed(parser);
}

std::string usageText()
{
    QCommandLineParser parser;
    describeOptions(parser);
    // Without an application object the parser cannot know the program's name.
    return parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("earnmeter")).toStdString();
}
