#pragma once

#include "storage/FileSystem.h"
#include "storage/WindowPositions.h"

#include <cstdint>
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

// The two files that carry a run into the next one: Saved.ewg with the
// windows' positions in twips ("4425,3930,4425,2625") and Prev.ewg with the
// elapsed seconds ("3600"), each one line ended by CR LF. Every read and write
// is done within its call, and a write replaces the file in one step, so a
// crash never leaves half a record. The caller decides what to do about a file
// that cannot be used.
class StateFiles final
{
public:
    static constexpr std::string_view SavedFileName = "Saved.ewg";
    static constexpr std::string_view PrevFileName = "Prev.ewg";

    StateFiles(FileSystem& files, std::string folder);

    StateRead<WindowPositions> ReadSaved();
    WriteResult WriteSaved(const WindowPositions& positions);

    // A negative count is no elapsed time the timer could have reached: damage.
    StateRead<std::int32_t> ReadPrev();
    WriteResult WritePrev(std::int32_t elapsedSeconds);

private:
    WriteResult writeRecord(const std::string& path, std::string_view fileName, const std::string& record);

    FileSystem& m_files;
    std::string m_savedPath;
    std::string m_prevPath;
};
