#include "host/Messages.h"

#include "engine/Formats.h"
#include "engine/Version.h"
#include "storage/ConfigFile.h"

#include <algorithm>

namespace Messages {
namespace {
const std::string ProductName = Version::ProductName;

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
} // namespace

Message endOfFile(std::string_view fileName)
{
    return {"End of " + std::string(fileName) + " file reached.", ProductName, Message::Buttons::Ok,
            Message::Icon::Information};
}

Message updated()
{
    return {"Your software has been updated to version " + VersionText() + ". Click OK to continue.",
            "Earnmeter Update", Message::Buttons::Ok, Message::Icon::Information};
}

Message configOpenFailed(const std::string& reason)
{
    return openFailed(forFile(reason, ConfigFile::FileName));
}

Message openFailed(const std::string& problem)
{
    return {problem, "Error", Message::Buttons::Ok, Message::Icon::Critical};
}

Message configRecreated()
{
    return {shownFileName(ConfigFile::FileName) + " will be recreated now. Please launch the software again.", "Notice",
            Message::Buttons::Ok, Message::Icon::Information};
}

Message configDamaged(const std::string& problem, const std::vector<std::string>& kept)
{
    std::string names;
    for (const std::string& name : kept)
        names += (names.empty() ? "" : ", ") + name;
    const std::string text = kept.empty() ? ". Nothing could be read from it: the settings take their defaults"
                                          : ". Read from it: " + names + ". The other settings take their defaults";
    return {problem + text + ", and the file is left unchanged.", ProductName, Message::Buttons::Ok,
            Message::Icon::Exclamation};
}

Message channelRefused(const std::string& folder, const std::string& refusal, const std::string& ownFolder,
                       const std::string& problem)
{
    std::string text = "Earnmeter did not use the folder " + folder + " for its control channel: it " + refusal +
                       ", so another user could listen in or shut the command line out.\n\n";
    if (!ownFolder.empty())
        text += "It uses a folder of its own instead, " + ownFolder +
                "; the command line and panels find it through the data folder.";
    else
        text += "The meter works, but the command line and panels cannot reach it: " + problem + ".";
    return failure(text, ownFolder.empty() ? Message::Icon::Exclamation : Message::Icon::Information);
}

Message preferencesProblems(const std::vector<PreferenceProblem>& problems)
{
    std::string text = "Some of your preferences in " + std::string(PreferencesFile::FileName) +
                       " could not be read; the file is left as it is.\n";
    // A hostile file gets a box that still fits the screen.
    constexpr std::size_t listed = 8;
    for (std::size_t i = 0; i < std::min(problems.size(), listed); ++i) {
        const PreferenceProblem& p = problems[i];
        text += "\nLine " + std::to_string(p.line) + ": ";
        if (p.key.empty())
            text += "\"" + shortened(p.written) + "\" is not a \"key = value\" line; it is ignored.";
        else
            text += p.key + " = \"" + shortened(p.written) + "\" is not " + p.expected + "; " +
                    (p.usedInstead.empty() ? "none" : p.usedInstead) + " is used instead.";
    }
    if (problems.size() > listed)
        text += "\n... and " + std::to_string(problems.size() - listed) + " more lines.";
    return {text, ProductName, Message::Buttons::Ok, Message::Icon::Exclamation};
}

Message preferencesUnreadable(const std::string& reason)
{
    return {reason + ". Your preferences take their defaults, and the file is left as it is.", ProductName,
            Message::Buttons::Ok, Message::Icon::Exclamation};
}

Message continueQuestion(std::int32_t elapsedSeconds, const std::string& countedOn)
{
    std::string text = "Do you want to continue with your elapsed time of " + FormatElapsed(elapsedSeconds) + "?";
    if (!countedOn.empty())
        text += "\n\nIt was counted on " + countedOn + ".";
    return {text, "Continue " + ProductName, Message::Buttons::YesNo, Message::Icon::Question};
}

Message saveQuestion()
{
    return {"Do you want to save your elapsed time?", "Save " + ProductName + " Progress",
            Message::Buttons::YesNoCancel, Message::Icon::Exclamation};
}

Message failure(const std::string& text, Message::Icon icon)
{
    return {text, ProductName, Message::Buttons::Ok, icon};
}
} // namespace Messages
