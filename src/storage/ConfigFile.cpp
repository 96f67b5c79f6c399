#include "storage/ConfigFile.h"

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

ConfigRead damaged(std::string problem, Settings kept)
{
    return {Outcome::Damaged, kept, forFile(problem, ConfigFile::FileName), {}};
}

// The wages and the raw switch values of a record. A file without the
// save-position field stands for it switched on.
struct Record
{
    Currency minimum, dream;
    std::array<std::int16_t, 3> switches{0, 0, -1};
};

// Reads the fields after the version; on damage, names what was wrong and
// keeps the wages read before it.
std::string ReadFields(RecordReader& reader, bool sixFields, Record& record)
{
    const auto minimum = reader.nextCurrency();
    if (!minimum)
        return reader.describeProblem("Minimum Wage");
    record.minimum = *minimum;
    const auto dream = reader.nextCurrency();
    if (!dream)
        return reader.describeProblem("DREAM Wage");
    record.dream = *dream;
    for (std::int16_t& field : std::span(record.switches).first(sixFields ? 3 : 2)) {
        const auto value = reader.nextWhole(INT16_MIN, INT16_MAX);
        if (!value)
            return reader.describeProblem("Switch");
        field = static_cast<std::int16_t>(*value);
    }
    return {};
}

Settings settingsOf(const Record& record)
{
    return {record.minimum, record.dream, record.switches[0] == -1, record.switches[1] == -1, record.switches[2] == -1};
}

} // namespace

ConfigFile::ConfigFile(FileSystem& files, std::string folder) : m_files(files), m_path(pathInFolder(folder, FileName))
{}

ConfigRead ConfigFile::read()
{
    const ReadResult file = m_files.readFile(m_path);
    if (!file.ok())
        return {
            file.status == ReadResult::Status::Missing ? Outcome::Missing : Outcome::Unreadable, {}, file.reason, {}};
    if (file.content.empty())
        return {Outcome::EmptyFile, {}, {}, {}};
    RecordReader reader(file.content);
    const auto version = reader.nextText();
    if (!version)
        return damaged(reader.describeProblem("Version"), {});
    const std::string versionText(*version);
    Record record;
    if (const std::string problem = ReadFields(reader, hasSavePositionField(versionText), record); !problem.empty())
        return damaged(problem, {record.minimum, record.dream});
    ConfigRead read{Outcome::Current, settingsOf(record), {}, {}};
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
