#include "storage/ConfigFile.h"

#include "engine/Version.h"
#include "storage/RecordReader.h"

#include <charconv>
#include <span>

namespace {

// Files from before version 2.42 hold no save-position switch. Versions are
// compared as texts, character code by character code: "v10.0" sorts before "v2.42".
bool HasSavePositionField(std::string_view version)
{
    return version >= std::string_view("v2.42");
}

std::string CurrentVersionField()
{
    return "v" + VersionText();
}

std::string SwitchText(std::int16_t value)
{
    char buffer[8];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

ConfigFile::ConfigFile(FileSystem& files, Prompt& prompt, RunState& state, std::string folder)
    : m_files(files), m_prompt(prompt), m_state(state), m_path(PathInFolder(folder, FileName))
{}

ConfigOpenResult ConfigFile::OpenConfigForInput()
{
    ReadResult read = m_files.readFile(m_path);
    if (!read.ok())
        return {false, read.reason};
    m_input = std::move(read.content);
    return {};
}

ConfigReadResult ConfigFile::ReadConfig()
{
    using Outcome = ConfigReadResult::Outcome;
    if (!m_input)
        return {Outcome::Unreadable, ForFile("File not open", FileName), {}};
    if (m_input->empty()) {
        m_prompt.ask({"End of Config.ewg file reached.", Version::ProductName, Message::Buttons::Ok,
                      Message::Icon::Information});
        return {Outcome::EmptyFile, {}, {}};
    }
    RecordReader record(*m_input);
    const auto version = record.nextText();
    if (!version)
        return {Outcome::Unreadable, ForFile(record.describeProblem("Version"), FileName), {}};
    const std::string versionText(*version);
    Switches switches;
    if (const auto problem = readSettings(record, HasSavePositionField(versionText), switches); !problem.empty())
        return {Outcome::Unreadable, ForFile(problem, FileName), {}};

    m_state.StartInAdvancedMode = switches.advanced == -1;
    m_state.AdvancedMode = m_state.StartInAdvancedMode;
    m_state.MinimizeOnStartup = switches.minimize == -1;
    m_state.SavePositionOnExit = switches.savePos == -1;
    if (versionText == CurrentVersionField())
        return {};
    return update(switches);
}

// The wages go into the run state as they are read; the switches are handed
// back and only take effect once the whole record has been read.
std::string ConfigFile::readSettings(RecordReader& record, bool sixFields, Switches& switches)
{
    const auto minimum = record.nextCurrency();
    if (!minimum)
        return record.describeProblem("Minimum Wage");
    m_state.MinimumWage = *minimum;
    const auto dream = record.nextCurrency();
    if (!dream)
        return record.describeProblem("DREAM Wage");
    m_state.DreamWage = *dream;

    std::int16_t* const fields[] = {&switches.minimize, &switches.advanced, &switches.savePos};
    for (std::int16_t* field : std::span(fields).first(sixFields ? 3 : 2)) {
        const auto value = record.nextWhole(INT16_MIN, INT16_MAX);
        if (!value)
            return record.describeProblem("Switch");
        *field = static_cast<std::int16_t>(*value);
    }
    return {};
}

// Rewrites a file of another version in this version's layout, keeping the
// switches exactly as they stood, and tells the user once it is done.
ConfigReadResult ConfigFile::update(const Switches& switches)
{
    CloseConfig();
    ConfigReadResult result{
        ConfigReadResult::Outcome::Updated, {}, WriteConfig(switches.minimize, switches.advanced, switches.savePos)};
    if (result.rewrite.ok)
        m_prompt.ask({"Your software has been updated to version " + VersionText() + ". Click OK to continue.",
                      "Earnmeter Update", Message::Buttons::Ok, Message::Icon::Information});
    return result;
}

void ConfigFile::CloseConfig()
{
    m_input.reset();
}

WriteResult ConfigFile::WriteConfig(std::int16_t minimize, std::int16_t advanced, std::int16_t savePos)
{
    const std::string record = "\"" + CurrentVersionField() + "\"," + CurrencyText(m_state.MinimumWage) + "," +
                               CurrencyText(m_state.DreamWage) + "," + SwitchText(minimize) + "," +
                               SwitchText(advanced) + "," + SwitchText(savePos) + "\r\n";
    WriteResult result = m_files.writeFile(m_path, record);
    if (!result.ok)
        result.reason = ForFile(result.reason, FileName);
    return result;
}

Message ConfigOpenFailedMessage(const std::string& description)
{
    return {ForFile(description, ConfigFile::FileName), "Error", Message::Buttons::Ok, Message::Icon::Critical};
}

Message ConfigRecreateMessage()
{
    return {ShownFileName(ConfigFile::FileName) + " will be recreated now. Please launch the software again.", "Notice",
            Message::Buttons::Ok, Message::Icon::Information};
}

Message ConfigUnreadableMessage(const std::string& problem)
{
    return {problem + ". The settings that could be read are used, and the file is left unchanged.",
            Version::ProductName, Message::Buttons::Ok, Message::Icon::Exclamation};
}
