#include "storage/StateFiles.h"

#include "engine/Formats.h"
#include "storage/RecordReader.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

// The positions were always stored as single-precision numbers; for whole
// twips this is the plain integer text.
std::string singleText(float value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(buffer, end);
}

std::string wholeText(std::int32_t value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// A box's text in double quotes. A text the record cannot give back whole is
// kept in the form the box shows once it is left.
std::string quotedEntry(const std::string& text)
{
    constexpr std::size_t longest = 40;
    const bool whole = text.size() <= longest && std::none_of(text.begin(), text.end(), [](char c) {
                           return c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
                       });
    return "\"" + (whole ? text : FormatWageEntry(text)) + "\"";
}

template <typename Value> StateRead<Value> unusable(const std::string& problem, std::string_view fileName)
{
    return {StateRead<Value>::Outcome::Unusable, {}, forFile(problem, fileName)};
}

// The file's content, or the outcome that there is none to read.
template <typename Value> bool contentOf(const ReadResult& file, std::string_view fileName, StateRead<Value>& outcome)
{
    if (file.status == ReadResult::Status::Unreadable)
        outcome = {StateRead<Value>::Outcome::Unreadable, {}, forFile(file.reason, fileName)};
    else if (!file.ok())
        outcome = unusable<Value>(file.reason, fileName);
    else if (file.content.empty())
        outcome = {StateRead<Value>::Outcome::EmptyFile, {}, {}};
    return file.ok() && !file.content.empty();
}

} // namespace

StateFiles::StateFiles(FileSystem& files, std::string folder)
    : m_files(files), m_savedPath(pathInFolder(folder, SavedFileName)), m_prevPath(pathInFolder(folder, PrevFileName)),
      m_wagePath(pathInFolder(folder, WageFileName))
{}

StateRead<WindowPositions> StateFiles::ReadSaved()
{
    const ReadResult file = m_files.readRecord(m_savedPath);
    StateRead<WindowPositions> read;
    if (!contentOf(file, SavedFileName, read))
        return read;
    RecordReader record(file.content);
    std::array<std::int16_t, 4> fields{};
    for (std::int16_t& field : fields) {
        const auto value = record.nextWhole(INT16_MIN, INT16_MAX);
        if (!value)
            return unusable<WindowPositions>(record.describeProblem("Position"), SavedFileName);
        field = static_cast<std::int16_t>(*value);
    }
    read.value = {fields[0], fields[1], fields[2], fields[3]};
    return read;
}

WriteResult StateFiles::WriteSaved(const WindowPositions& positions)
{
    const std::string record = singleText(positions.mainLeft) + "," + singleText(positions.mainTop) + "," +
                               singleText(positions.advancedLeft) + "," + singleText(positions.advancedTop) + "\r\n";
    return writeRecord(m_savedPath, SavedFileName, record);
}

StateRead<std::int32_t> StateFiles::ReadPrev()
{
    const ReadResult file = m_files.readRecord(m_prevPath);
    StateRead<std::int32_t> read;
    if (!contentOf(file, PrevFileName, read))
        return read;
    RecordReader record(file.content);
    const auto seconds = record.nextWhole(0, INT32_MAX);
    if (!seconds)
        return unusable<std::int32_t>(record.describeProblem("Elapsed time"), PrevFileName);
    read.value = static_cast<std::int32_t>(*seconds);
    return read;
}

WriteResult StateFiles::WritePrev(std::int32_t elapsedSeconds)
{
    return writeRecord(m_prevPath, PrevFileName, wholeText(elapsedSeconds) + "\r\n");
}

std::optional<std::int64_t> StateFiles::PrevWrittenAt()
{
    return m_files.modifiedAt(m_prevPath);
}

StateRead<RememberedWage> StateFiles::ReadWage()
{
    const ReadResult file = m_files.readRecord(m_wagePath);
    StateRead<RememberedWage> read;
    if (!contentOf(file, WageFileName, read))
        return read;
    RecordReader record(file.content);
    const auto main = record.nextText();
    const auto type = record.nextWhole(0, 2);
    const auto advanced = record.nextText();
    const auto period = record.nextWhole(0, static_cast<std::int64_t>(PayPeriods.size()) - 1);
    if (!main || !type || !advanced || !period)
        return unusable<RememberedWage>(record.describeProblem("Wage"), WageFileName);
    read.value = {std::string(*main), static_cast<WageType>(*type), std::string(*advanced),
                  PayPeriods.at(static_cast<std::size_t>(*period))};
    return read;
}

WriteResult StateFiles::WriteWage(const RememberedWage& wage)
{
    const std::string record = quotedEntry(wage.mainEntry) + "," + wholeText(static_cast<std::int32_t>(wage.type)) +
                               "," + quotedEntry(wage.advancedEntry) + "," +
                               wholeText(static_cast<std::int32_t>(wage.period)) + "\r\n";
    return writeRecord(m_wagePath, WageFileName, record);
}

WriteResult StateFiles::writeRecord(const std::string& path, std::string_view fileName, const std::string& record)
{
    WriteResult result = m_files.writeFile(path, record);
    if (!result.ok)
        result.cause = result.reason, result.reason = forFile(result.reason, fileName);
    return result;
}
