#pragma once

#include "engine/Settings.h"
#include "storage/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// What reading the settings file came to, and the settings in force after it.
struct ConfigRead
{
    enum class Outcome
    {
        Current,    // written by this version: read, and nothing else done
        Updated,    // written by another version: read, and rewritten in this version's layout
        EmptyFile,  // nothing to read: no setting changes, the file stays empty
        Damaged,    // what was read before the damage is kept, the rest takes the defaults; the file is left alone
        Missing,    // no file: nothing read
        Unreadable, // the file could not be opened: nothing read
    };

    Outcome outcome = Outcome::Current;
    Settings settings;
    std::string problem; // Missing, Unreadable: the file layer's reason; Damaged: what was wrong, naming the file
    WriteResult rewrite; // Updated: whether the rewrite worked; a failure's reason names the file
    std::vector<std::string> kept; // Damaged: the settings read from the file, by name
};

// The settings file Config.ewg: one line with the version, the two reference
// wages and the three start-up switches, as in "v2.5",6.75,45.5,0,0,-1. A
// version is "v", digits, and at most one point with digits: anything else is
// no settings file of ours (a program, UTF-16 text) and is never taken for an
// old version to rewrite.
// Switches travel as 16-bit numbers: -1 is on, anything else off. Writes
// replace the file in one step, so a record is never left half written and a
// failed write leaves the old one in place. Nothing here talks to the user:
// the caller decides what to say about each outcome.
class ConfigFile final
{
public:
    static constexpr std::string_view FileName = "Config.ewg";

    ConfigFile(FileSystem& files, std::string folder);

    ConfigRead read();
    WriteResult write(const Settings& settings);

private:
    ConfigRead update(ConfigRead read, std::int16_t minimize, std::int16_t advanced, std::int16_t savePos);
    WriteResult writeRecord(const Settings& settings, std::int16_t minimize, std::int16_t advanced,
                            std::int16_t savePos);

    FileSystem& m_files;
    std::string m_path;
};
