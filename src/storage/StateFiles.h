#pragma once

#include "engine/Prompt.h"
#include "engine/RunState.h"
#include "storage/FileSystem.h"
#include "storage/PositionHolder.h"
#include "storage/WindowPositions.h"

#include <string>
#include <string_view>

// What reading a state file came to. Start-up goes on in every case.
struct StateReadResult
{
    enum class Outcome
    {
        Read,      // the stored values were taken over
        EmptyFile, // nothing to read: the end-of-file notice was shown, nothing changed
        Rewritten, // missing or unreadable: written afresh from the current values, without a message
    };

    Outcome outcome = Outcome::Read;
    std::string problem; // Rewritten: why the file could not be used
    WriteResult rewrite; // Rewritten: whether the fresh file was written; a failure's reason names the file
};

// The two files that carry a run into the next one: Saved.ewg with the
// windows' positions in twips ("4425,3930,4425,2625") and Prev.ewg with the
// elapsed seconds ("3600"), each one line ended by CR LF.
//
// Every read and write is done within its call, and a write replaces the file
// in one step, so a crash never leaves half a record. CloseProgressFile is kept
// so callers follow the same sequences as ever: start-up ReadSaved,
// CloseProgressFile, ReadPrev, CloseProgressFile; exit WriteSaved,
// CloseProgressFile, WritePrev, CloseProgressFile; every 300 counted seconds
// WritePrev, CloseProgressFile.
class StateFiles final
{
public:
    static constexpr std::string_view SavedFileName = "Saved.ewg";
    static constexpr std::string_view PrevFileName = "Prev.ewg";

    StateFiles(FileSystem& files, Prompt& prompt, RunState& state, std::string folder);
    StateFiles(const StateFiles&) = delete;
    StateFiles& operator=(const StateFiles&) = delete;

    // Applies the stored positions to the windows; a missing or unreadable
    // file is written afresh from where the windows stand.
    StateReadResult ReadSaved(PositionHolder& windows);
    WriteResult WriteSaved(const WindowPositions& positions);

    // Reads the stored count into ElapsedSeconds; a missing or unreadable
    // file, a negative count included, is written afresh with the current count.
    StateReadResult ReadPrev();
    WriteResult WritePrev();

    // Nothing stays open between calls, so there is nothing left to close.
    void CloseProgressFile() {}

private:
    WriteResult writeRecord(const std::string& path, std::string_view fileName, const std::string& record);
    void tellEmpty(std::string_view fileName);

    FileSystem& m_files;
    Prompt& m_prompt;
    RunState& m_state;
    std::string m_savedPath;
    std::string m_prevPath;
};
