#include "host/Messages.h"

#include "engine/Formats.h"
#include "engine/Version.h"
#include "storage/ConfigFile.h"

#include <QCoreApplication>

#include <algorithm>

namespace Messages {
namespace {
const std::string ProductName = Version::ProductName;

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

std::string shortened(const std::string& text)
{
    std::size_t cut = 40;
    if (text.size() <= cut)
        return text;
    // Never inside a character of several bytes.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "...";
}

QString expectedWords(const PreferenceProblem& p)
{
    const QString words = Words::tr(p.expected.c_str());
    return p.expectedValue.empty() ? words : words.arg(q(p.expectedValue));
}

// One line of the preferences' problems, after its line number.
QString problemLine(const PreferenceProblem& p)
{
    if (p.key.empty())
        return Words::tr("\"%1\" is not a \"key = value\" line; it is ignored.").arg(q(shortened(p.written)));
    const QString instead = p.usedInstead.empty() ? Words::tr("none", "no value") : q(p.usedInstead);
    return Words::tr("%1 = \"%2\" is not %3; %4 is used instead.")
        .arg(q(p.key), q(shortened(p.written)), expectedWords(p), instead);
}
} // namespace

Message endOfFile(std::string_view fileName)
{
    return {s(Words::tr("End of %1 file reached.").arg(q(std::string(fileName)))), ProductName, Message::Buttons::Ok,
            Message::Icon::Information};
}

Message updated()
{
    return {s(Words::tr("Your software has been updated to version %1. Click OK to continue.").arg(q(VersionText()))),
            s(Words::tr("Earnmeter Update")), Message::Buttons::Ok, Message::Icon::Information};
}

Message configOpenFailed(const std::string& reason)
{
    return openFailed(forFile(reason, ConfigFile::FileName));
}

Message openFailed(const std::string& problem)
{
    return {problem, s(Words::tr("Error")), Message::Buttons::Ok, Message::Icon::Critical};
}

Message configRecreated()
{
    return {s(Words::tr("%1 will be recreated now. Please launch the software again.")
                  .arg(q(shownFileName(ConfigFile::FileName)))),
            s(Words::tr("Notice")), Message::Buttons::Ok, Message::Icon::Information};
}

Message configDamaged(const std::string& problem, const std::vector<std::string>& kept)
{
    QStringList names;
    for (const std::string& name : kept)
        names << Words::tr(name.c_str());
    const QString text =
        kept.empty() ? Words::tr("%1. Nothing could be read from it: the settings take their defaults, and the file is "
                                 "left unchanged.")
                           .arg(q(problem))
                     : Words::tr("%1. Read from it: %2. The other settings take their defaults, and the file is left "
                                 "unchanged.")
                           .arg(q(problem), names.join(QStringLiteral(", ")));
    return {s(text), ProductName, Message::Buttons::Ok, Message::Icon::Exclamation};
}

Message channelRefused(const std::string& folder, const std::string& refusal, const std::string& ownFolder,
                       const std::string& problem)
{
    QString text = Words::tr("Earnmeter did not use the folder %1 for its control channel: it %2, so another user "
                             "could listen in or shut the command line out.")
                       .arg(q(folder), Words::tr(refusal.c_str())) +
                   QStringLiteral("\n\n");
    if (!ownFolder.empty())
        text += Words::tr("It uses a folder of its own instead, %1; the command line and panels find it through the "
                          "data folder.")
                    .arg(q(ownFolder));
    else
        text += Words::tr("The meter works, but the command line and panels cannot reach it: %1.").arg(q(problem));
    return failure(s(text), ownFolder.empty() ? Message::Icon::Exclamation : Message::Icon::Information);
}

Message preferencesProblems(const std::vector<PreferenceProblem>& problems)
{
    QString text = Words::tr("Some of your preferences in %1 could not be read; the file is left as it is.")
                       .arg(q(std::string(PreferencesFile::FileName))) +
                   QLatin1Char('\n');
    // A hostile file gets a box that still fits the screen.
    constexpr std::size_t listed = 8;
    for (std::size_t i = 0; i < std::min(problems.size(), listed); ++i)
        text += QLatin1Char('\n') + Words::tr("Line %1: %2").arg(problems[i].line).arg(problemLine(problems[i]));
    if (problems.size() > listed)
        text += QLatin1Char('\n') + Words::tr("... and %1 more lines.").arg(problems.size() - listed);
    return {s(text), ProductName, Message::Buttons::Ok, Message::Icon::Exclamation};
}

Message preferencesUnreadable(const std::string& reason)
{
    return {s(Words::tr("%1. Your preferences take their defaults, and the file is left as it is.").arg(q(reason))),
            ProductName, Message::Buttons::Ok, Message::Icon::Exclamation};
}

Message continueQuestion(std::int32_t elapsedSeconds, const std::string& countedOn)
{
    QString text =
        Words::tr("Do you want to continue with your elapsed time of %1?").arg(q(FormatElapsed(elapsedSeconds)));
    if (!countedOn.empty())
        text += QStringLiteral("\n\n") + Words::tr("It was counted on %1.").arg(q(countedOn));
    return {s(text), s(Words::tr("Continue Earnmeter")), Message::Buttons::YesNo, Message::Icon::Question};
}

Message saveQuestion()
{
    return {s(Words::tr("Do you want to save your elapsed time?")), s(Words::tr("Save Earnmeter Progress")),
            Message::Buttons::YesNoCancel, Message::Icon::Exclamation};
}

Message failure(const std::string& text, Message::Icon icon)
{
    return {text, ProductName, Message::Buttons::Ok, icon};
}
} // namespace Messages
