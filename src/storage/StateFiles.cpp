#include "storage/StateFiles.h"

#include "engine/Version.h"
#include "storage/RecordReader.h"

#include <array>
#include <charconv>

namespace {

// The positions were always stored as single-precision numbers; for whole
// twips this is the plain integer text.
std::string SingleText(float value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(buffer, end);
}

std::string WholeText(std::int32_t value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

StateReadResult Rewritten(const std::string& problem, std::string_view fileName, WriteResult rewrite)
{
    return {StateReadResult::Outcome::Rewritten, ForFile(problem, fileName), std::move(rewrite)};
}

} // namespace

StateFiles::StateFiles(FileSystem& files, Prompt& prompt, RunState& state, std::string folder)
    : m_files(files), m_prompt(prompt), m_state(state), m_savedPath(PathInFolder(folder, SavedFileName)),
      m_prevPath(PathInFolder(folder, PrevFileName))
{}

StateReadResult StateFiles::ReadSaved(PositionHolder& windows)
{
    const ReadResult read = m_files.readFile(m_savedPath);
    if (!read.ok())
        return Rewritten(read.reason, SavedFileName, WriteSaved(windows.current()));
    if (read.content.empty()) {
        tellEmpty(SavedFileName);
        return {StateReadResult::Outcome::EmptyFile, {}, {}};
    }
    RecordReader record(read.content);
    std::array<std::int16_t, 4> fields{};
    for (std::int16_t& field : fields) {
        const auto value = record.nextWhole(INT16_MIN, INT16_MAX);
        if (!value)
            return Rewritten(record.describeProblem("Position"), SavedFileName, WriteSaved(windows.current()));
        field = static_cast<std::int16_t>(*value);
    }
    windows.apply({fields[0], fields[1], fields[2], fields[3]});
    return {};
}

WriteResult StateFiles::WriteSaved(const WindowPositions& positions)
{
    const std::string record = SingleText(positions.mainLeft) + "," + SingleText(positions.mainTop) + "," +
                               SingleText(positions.advancedLeft) + "," + SingleText(positions.advancedTop) + "\r\n";
    return writeRecord(m_savedPath, SavedFileName, record);
}

StateReadResult StateFiles::ReadPrev()
{
    const ReadResult read = m_files.readFile(m_prevPath);
    if (!read.ok())
        return Rewritten(read.reason, PrevFileName, WritePrev());
    if (read.content.empty()) {
        tellEmpty(PrevFileName);
        return {StateReadResult::Outcome::EmptyFile, {}, {}};
    }
    RecordReader record(read.content);
    // A negative count is no elapsed time the timer could have reached: damage.
    const auto seconds = record.nextWhole(0, INT32_MAX);
    if (!seconds)
        return Rewritten(record.describeProblem("Elapsed time"), PrevFileName, WritePrev());
    m_state.ElapsedSeconds = static_cast<std::int32_t>(*seconds);
    return {};
}

WriteResult StateFiles::WritePrev()
{
    return writeRecord(m_prevPath, PrevFileName, WholeText(m_state.ElapsedSeconds) + "\r\n");
}

WriteResult StateFiles::writeRecord(const std::string& path, std::string_view fileName, const std::string& record)
{
    WriteResult result = m_files.writeFile(path, record);
    if (!result.ok)
        result.reason = ForFile(result.reason, fileName);
    return result;
}

void StateFiles::tellEmpty(std::string_view fileName)
{
    m_prompt.ask({"End of " + std::string(fileName) + " file reached.", Version::ProductName, Message::Buttons::Ok,
                  Message::Icon::Information});
}
