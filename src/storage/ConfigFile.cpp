#include "storage/ConfigFile.h"

#include "engine/Translatable.h"
#include "engine/Version.h"
#include "storage/RecordReader.h"

#include <array>
#include <charconv>
#include <span>

namespace {

using Outcome = ConfigRead::Outcome;

// Files from before version 2.42 hold no save-position switch. Versions are
// compared as texts, character code by character code: "v10.0" sorts before "v2.42".
bool hasSavePositionField(std::string_view version)
{
    return version >= std::string_view("v2.42");
}

std::string currentVersionField()
{
    return "v" + VersionText();
}

std::string switchText(std::int16_t value)
{
    char buffer[8];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::int16_t switchValue(bool on)
{
    return on ? -1 : 0;
}

ConfigRead outcome(Outcome outcome, Settings settings, std::string problem = {})
{
    return {outcome, settings, std::move(problem), WriteResult::done(), {}};
}

// The settings in the order the record holds them, by the names the options dialog gives them.
constexpr std::array<std::string_view, 5> FieldNames = {
    translatable("Messages", "Minimum Wage"), translatable("Messages", "DREAM Wage"),
    translatable("Messages", "Minimize on Startup"), translatable("Messages", "Startup in Advanced Mode"),
    translatable("Messages", "Save Position on Exit")};

bool isVersionField(std::string_view version)
{
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (version.size() < 2 || version.front() != 'v')
        return false;
    version.remove_prefix(1);
    const auto point = version.find('.');
    return digits(version.substr(0, point)) && (point == std::string_view::npos || digits(version.substr(point + 1)));
}

// The wages and the raw switch values of a record, the defaults until read.
// A file without the save-position field stands for it switched on.
struct Record
{
    Currency minimum = Settings::defaults().MinimumWage;
    Currency dream = Settings::defaults().DreamWage;
    std::array<std::int16_t, 3> switches{0, 0, -1};
    std::size_t fieldsRead = 0;
};

Settings settingsOf(const Record& record)
{
    return {record.minimum, record.dream, record.switches[0] == -1, record.switches[1] == -1, record.switches[2] == -1};
}

ConfigRead damaged(std::string problem, const Record& record)
{
    ConfigRead read = outcome(Outcome::Damaged, settingsOf(record), forFile(problem, ConfigFile::FileName));
    for (std::size_t field = 0; field < record.fieldsRead; ++field)
        read.kept.emplace_back(FieldNames.at(field));
    return read;
}

// Reads the fields after the version, one after another; on damage, names
// what was wrong, and the record keeps what was read before it.
std::string readFields(RecordReader& reader, bool sixFields, Record& record)
{
    for (Currency* wage : {&record.minimum, &record.dream}) {
        const auto value = reader.nextCurrency();
        if (!value)
            return reader.describeProblem(FieldNames.at(record.fieldsRead));
        *wage = *value, ++record.fieldsRead;
    }
    for (std::int16_t& field : std::span(record.switches).first(sixFields ? 3 : 2)) {
        const auto value = reader.nextWhole(INT16_MIN, INT16_MAX);
        if (!value)
            return reader.describeProblem("Switch");
        field = static_cast<std::int16_t>(*value), ++record.fieldsRead;
    }
    return {};
}

} // namespace

ConfigFile::ConfigFile(FileSystem& files, std::string folder) : m_files(files), m_path(pathInFolder(folder, FileName))
{}

ConfigRead ConfigFile::read()
{
    const ReadResult file = m_files.readRecord(m_path);
    if (!file.ok())
        return outcome(file.status == ReadResult::Status::Missing ? Outcome::Missing : Outcome::Unreadable, {},
                       file.reason);
    if (file.content.empty())
        return outcome(Outcome::EmptyFile, {});
    RecordReader reader(file.content);
    const auto version = reader.nextText();
    Record record;
    if (!version)
        return damaged(reader.describeProblem("Version"), record);
    const std::string versionText(*version);
    if (!isVersionField(versionText))
        return damaged("Version not recognised", record);
    if (const std::string problem = readFields(reader, hasSavePositionField(versionText), record); !problem.empty())
        return damaged(problem, record);
    ConfigRead read = outcome(Outcome::Current, settingsOf(record));
    if (versionText == currentVersionField())
        return read;
    return update(read, record.switches[0], record.switches[1], record.switches[2]);
}

// A file of another version is rewritten in this version's layout, keeping the
// switches exactly as they stood.
ConfigRead ConfigFile::update(ConfigRead read, std::int16_t minimize, std::int16_t advanced, std::int16_t savePos)
{
    read.outcome = Outcome::Updated;
    read.rewrite = writeRecord(read.settings, minimize, advanced, savePos);
    return read;
}

WriteResult ConfigFile::write(const Settings& settings)
{
    return writeRecord(settings, switchValue(settings.MinimizeOnStartup), switchValue(settings.StartInAdvancedMode),
                       switchValue(settings.SavePositionOnExit));
}

WriteResult ConfigFile::writeRecord(const Settings& settings, std::int16_t minimize, std::int16_t advanced,
                                    std::int16_t savePos)
{
    const std::string record = "\"" + currentVersionField() + "\"," + CurrencyText(settings.MinimumWage) + "," +
                               CurrencyText(settings.DreamWage) + "," + switchText(minimize) + "," +
                               switchText(advanced) + "," + switchText(savePos) + "\r\n";
    WriteResult result = m_files.writeFile(m_path, record);
    if (!result.ok)
        result.reason = forFile(result.reason, FileName);
    return result;
}
