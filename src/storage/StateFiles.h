#pragma once

#include "engine/RememberedWage.h"
#include "storage/FileSystem.h"
#include "storage/WindowPositions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What reading a state file came to, and the value it held.
template <typename Value> struct StateRead
{
    enum class Outcome
    {
        Read,       // the stored value
        EmptyFile,  // nothing to read
        Unusable,   // missing, or not a record of ours: best written afresh
        Unreadable, // there, but it could not be read (its permissions, a pipe, a device)
    };

    Outcome outcome = Outcome::Read;
    Value value{};
    std::string problem; // Unusable, Unreadable: why, naming the file
};

// The files that carry a run into the next one: Saved.ewg with the windows'
// positions in twips ("4425,3930,4425,2625"), Prev.ewg with the elapsed
// seconds ("3600") and Wage.ewg with the wage boxes ("12.50",0,"52000.00",5:
// the simple window's box, the wage type, the advanced window's box, the pay
// period), each one line ended by CR LF. Every read and write
// is done within its call, and a write replaces the file in one step, so a
// crash never leaves half a record. The caller decides what to do about a file
// that cannot be used.
class StateFiles final
{
public:
    static constexpr std::string_view SavedFileName = "Saved.ewg";
    static constexpr std::string_view PrevFileName = "Prev.ewg";
    static constexpr std::string_view WageFileName = "Wage.ewg";

    StateFiles(FileSystem& files, std::string folder);

    StateRead<WindowPositions> ReadSaved();
    WriteResult WriteSaved(const WindowPositions& positions);

    // A negative count is no elapsed time the timer could have reached: damage.
    StateRead<std::int32_t> ReadPrev();
    WriteResult WritePrev(std::int32_t elapsedSeconds);
    // When Prev.ewg was last written, if the file system can tell.
    std::optional<std::int64_t> PrevWrittenAt();

    // Wage types and periods are numbered as the advanced window lists them,
    // from 0. A box's text that a record cannot hold whole (a double quote, a
    // control character, more than 40 characters) is kept as the box would
    // show it once left.
    StateRead<RememberedWage> ReadWage();
    WriteResult WriteWage(const RememberedWage& wage);

private:
    WriteResult writeRecord(const std::string& path, std::string_view fileName, const std::string& record);

    FileSystem& m_files;
    std::string m_savedPath;
    std::string m_prevPath;
    std::string m_wagePath;
};
