#include "host/Messages.h"

#include "engine/Formats.h"
#include "engine/Version.h"
#include "storage/ConfigFile.h"

namespace Messages {
namespace {
const std::string ProductName = Version::ProductName;
}

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

Message continueQuestion(std::int32_t elapsedSeconds)
{
    return {"Do you want to continue with your elapsed time of " + FormatElapsed(elapsedSeconds) + "?",
            "Continue " + ProductName, Message::Buttons::YesNo, Message::Icon::Question};
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
