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
    return {forFile(reason, ConfigFile::FileName), "Error", Message::Buttons::Ok, Message::Icon::Critical};
}

Message configRecreated()
{
    return {shownFileName(ConfigFile::FileName) + " will be recreated now. Please launch the software again.", "Notice",
            Message::Buttons::Ok, Message::Icon::Information};
}

Message configDamaged(const std::string& problem)
{
    return {problem + ". The settings that could be read are used, and the file is left unchanged.", ProductName,
            Message::Buttons::Ok, Message::Icon::Exclamation};
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
