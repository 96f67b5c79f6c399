#include "storage/PreferencesFile.h"

#include "engine/Decimal.h"
#include "storage/PreferenceKeys.h"

#include <algorithm>
#include <map>
#include <optional>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

struct Line
{
    std::string text;   // without its ending
    std::string ending; // "\n", "\r\n" or nothing for a last line without one
};

// A line's key and value, once the comment and the blanks around them are gone.
struct Entry
{
    std::string_view key;
    std::string_view value;
};

std::vector<Line> splitLines(std::string_view content)
{
    std::vector<Line> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view text = content.substr(0, end);
        std::string ending = end == std::string_view::npos ? "" : "\n";
        if (!ending.empty() && !text.empty() && text.back() == '\r')
            text.remove_suffix(1), ending = "\r\n";
        lines.push_back({std::string(text), ending});
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
    return lines;
}

// Nothing for a blank or comment line; an empty key for a line that is no "key = value".
std::optional<Entry> entryOf(std::string_view text, bool first)
{
    if (first && text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    text = trimBlanks(text.substr(0, text.find('#')));
    if (text.empty())
        return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return Entry{{}, text};
    return Entry{trimBlanks(text.substr(0, equals)), trimBlanks(text.substr(equals + 1))};
}

bool sameKey(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

const PreferenceKey* keyNamed(std::string_view name)
{
    for (const PreferenceKey& key : preferenceKeys())
        if (sameKey(key.name, name))
            return &key;
    return nullptr;
}

// The line of the key that counts: its last.
std::optional<std::size_t> lineOf(const std::vector<Line>& lines, const PreferenceKey& key)
{
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const auto entry = entryOf(lines[i].text, i == 0); entry && sameKey(entry->key, key.name))
            found = i;
    return found;
}

// The line with another value, its key, spacing and comment as they were.
std::string withValue(const std::string& text, const std::string& value)
{
    const std::size_t equals = text.find('=');
    std::size_t start = equals + 1;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    std::size_t end = std::min(text.find('#', start), text.size());
    while (end > start && isBlank(text[end - 1]))
        --end;
    const std::string space = start == equals + 1 && !value.empty() ? " " : "";
    return text.substr(0, start) + space + value + text.substr(end);
}

// What the key's line says, a value it cannot take counting as the default.
std::string effectiveValue(const PreferenceKey& key, std::string_view written)
{
    Preferences read;
    key.read(written, read);
    return key.write(read);
}

// "key = value", or "key =" for no value.
std::string keyLine(const PreferenceKey& key, const std::string& value)
{
    return std::string(key.name) + " =" + (value.empty() ? "" : " " + value);
}

std::string freshFile(const Preferences& preferences)
{
    std::string text = "# Earnmeter's preferences: one \"key = value\" a line; \"#\" starts a comment.\n"
                       "# Earnmeter rewrites only the values changed in its Preferences window and keeps\n"
                       "# everything else here as it is.\n";
    std::string_view group;
    for (const PreferenceKey& key : preferenceKeys()) {
        if (key.group != group)
            text += "\n# " + std::string(key.group) + "\n", group = key.group;
        text += "# " + std::string(key.name) + ": " + std::string(key.expected) + "\n";
        text += keyLine(key, key.write(preferences)) + "\n";
    }
    return text;
}

// A working day the lines cannot make (an end before its start, a break outside
// it) is told at the line of the key at fault, which then takes its default.
void checkTheDay(PreferencesRead& read, const std::map<std::string_view, PreferenceProblem>& lastLines)
{
    for (int round = 0; round < 4; ++round) {
        const std::optional<WorkingDay::Problem> problem = read.preferences.workingDay.problem();
        const PreferenceKey* key = problem ? keyNamed(problem->key) : nullptr;
        if (key == nullptr)
            return;
        const Preferences defaults;
        key->read(key->write(defaults), read.preferences);
        PreferenceProblem told = lastLines.at(key->name);
        told.expected = problem->why;
        told.expectedValue = problem->value;
        told.usedInstead = key->write(defaults);
        read.problems.push_back(told);
    }
}

} // namespace

PreferencesFile::PreferencesFile(FileSystem& files, std::string folder)
    : m_files(files), m_path(pathInFolder(folder, FileName))
{}

PreferencesRead PreferencesFile::parse(std::string_view content)
{
    PreferencesRead read;
    std::map<std::string_view, PreferenceProblem> lastLines; // where each key was last written, and how
    const std::vector<Line> lines = splitLines(content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto entry = entryOf(lines[i].text, i == 0);
        if (!entry)
            continue;
        const int number = static_cast<int>(i + 1);
        if (entry->key.empty()) {
            read.problems.push_back({number, {}, std::string(entry->value), {}, {}});
            continue;
        }
        const PreferenceKey* key = keyNamed(entry->key);
        if (key != nullptr)
            lastLines[key->name] = {number, std::string(key->name), std::string(entry->value), {}, {}};
        if (key == nullptr || key->read(entry->value, read.preferences))
            continue;
        // The default stands until a later line of the key says otherwise.
        Preferences defaults;
        key->read(key->write(defaults), read.preferences);
        read.problems.push_back({number, std::string(key->name), std::string(entry->value), std::string(key->expected),
                                 key->write(defaults)});
    }
    checkTheDay(read, lastLines);
    std::sort(read.problems.begin(), read.problems.end(),
              [](const PreferenceProblem& a, const PreferenceProblem& b) { return a.line < b.line; });
    return read;
}

PreferencesRead PreferencesFile::read()
{
    const ReadResult file = m_files.readRecord(m_path);
    if (file.status == ReadResult::Status::Missing)
        return {PreferencesRead::Outcome::Missing, {}, {}, {}};
    if (!file.ok())
        return {PreferencesRead::Outcome::Unreadable, {}, {}, forFile(file.reason, FileName)};
    return parse(file.content);
}

std::string PreferencesFile::rewritten(std::string_view content, const Preferences& preferences)
{
    if (trimBlanks(content).empty())
        return freshFile(preferences);
    std::vector<Line> lines = splitLines(content);
    const std::string ending = lines.front().ending.empty() ? "\n" : lines.front().ending;
    for (const PreferenceKey& key : preferenceKeys()) {
        const std::string value = key.write(preferences);
        if (const auto at = lineOf(lines, key)) {
            const auto entry = entryOf(lines[*at].text, *at == 0);
            if (effectiveValue(key, entry->value) != value)
                lines[*at].text = withValue(lines[*at].text, value);
        } else if (value != key.write(Preferences{})) {
            if (lines.back().ending.empty())
                lines.back().ending = ending;
            lines.push_back({keyLine(key, value), ending});
        }
    }
    std::string text;
    for (const Line& line : lines)
        text += line.text + line.ending;
    return text;
}

WriteResult PreferencesFile::write(const Preferences& preferences)
{
    const ReadResult file = m_files.readRecord(m_path);
    if (file.status == ReadResult::Status::Unreadable)
        return WriteResult::failed(forFile(file.reason, FileName) + ": it is left as it is");
    if (file.content.size() >= RecordReadLimit)
        return WriteResult::failed(shownFileName(FileName).substr(1) + " is larger than " +
                                   std::to_string(RecordReadLimit / 1024) + " KiB: it is left as it is");
    WriteResult result = m_files.writeFile(m_path, rewritten(file.content, preferences));
    if (!result.ok)
        result.reason = forFile(result.reason, FileName);
    return result;
}
