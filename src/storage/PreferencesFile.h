#pragma once

#include "engine/Preferences.h"
#include "storage/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// A line of Earnmeter.conf whose value could not be used, or that is no
// "key = value" line at all (its key is then empty).
struct PreferenceProblem
{
    int line = 0;                   // counted from 1
    std::string key;                // as the program names it
    std::string written;            // the value as the file has it, or the whole line
    std::string expected;           // the values the key takes, in words
    std::string usedInstead;        // the default, as the file would say it
    std::string expectedValue = {}; // what the %1 of `expected` stands for, if it has one
};

// What reading the preferences came to: the preferences in force, the
// defaults wherever the file says nothing usable.
struct PreferencesRead
{
    enum class Outcome
    {
        Read,       // the file was read (problems may name lines it could not use)
        Missing,    // no file: every preference at its default
        Unreadable, // the file is there but could not be read: the defaults, and the file is left alone
    };

    Outcome outcome = Outcome::Read;
    Preferences preferences;
    std::vector<PreferenceProblem> problems;
    std::string reason; // Unreadable: why, naming the file
};

// Earnmeter.conf: UTF-8 text, one "key = value" a line, "#" starting a comment.
// Keys are matched without regard to case; the last line of a key is the one
// that counts; unknown keys are kept. Writing changes only the values that
// differ from what the file says (a line the program could not read counts as
// its default) and adds the keys it lacks, so comments, unknown keys, their
// order and the user's spelling survive; a missing file is started with every
// key under a heading. The file is replaced in one step.
class PreferencesFile final
{
public:
    static constexpr std::string_view FileName = "Earnmeter.conf";

    PreferencesFile(FileSystem& files, std::string folder);

    PreferencesRead read();
    // Reads the file afresh first, so edits made by hand meanwhile are kept. A
    // file that cannot be read, or only in part, is not replaced.
    WriteResult write(const Preferences& preferences);

    // The preferences a text gives, and what the text becomes once they are written into it.
    static PreferencesRead parse(std::string_view content);
    static std::string rewritten(std::string_view content, const Preferences& preferences);

private:
    FileSystem& m_files;
    std::string m_path;
};
