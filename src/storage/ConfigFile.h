#pragma once

#include "engine/Currency.h"
#include "engine/Prompt.h"
#include "engine/RunState.h"
#include "storage/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RecordReader;

// Whether the settings file could be opened at start-up; when not, the
// description says why ("File not found", "Permission denied").
struct ConfigOpenResult
{
    bool ok = true;
    std::string description;
};

// What reading the settings came to. Start-up goes on in every case.
struct ConfigReadResult
{
    enum class Outcome
    {
        Current,    // written by this version: read, and nothing else done
        Updated,    // written by another version: read, rewritten in this version's layout
        EmptyFile,  // nothing to read: the end-of-file notice was shown
        Unreadable, // damaged: the settings before the damage are kept, the file is left alone
    };

    Outcome outcome = Outcome::Current;
    std::string problem; // Unreadable: what was wrong, naming the file
    WriteResult rewrite; // Updated: whether the rewrite worked; a failure's reason names the file
};

// The settings file Config.ewg: one line with the version, the two reference
// wages and the three start-up switches, as in "v2.5",6.75,45.5,0,0,-1.
//
// The file is read whole when opened and held until CloseConfig; writes
// replace it in one step, so a record is never left half written and a failed
// write leaves the old one in place. Switches travel as 16-bit numbers: -1 is
// on, anything else off.
class ConfigFile final
{
public:
    static constexpr std::string_view FileName = "Config.ewg";
    static constexpr Currency DefaultMinimumWage = Currency::FromUnits(67'500);
    static constexpr Currency DefaultDreamWage = Currency::FromUnits(455'000);
    static constexpr bool DefaultMinimizeOnStartup = false;
    static constexpr bool DefaultStartInAdvancedMode = false;
    static constexpr bool DefaultSavePositionOnExit = true;

    ConfigFile(FileSystem& files, Prompt& prompt, RunState& state, std::string folder);
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    // Start-up: OpenConfigForInput, ReadConfig, CloseConfig. A failed open
    // changes nothing; the caller shows ConfigOpenFailedMessage and
    // ConfigRecreateMessage, writes the defaults and ends the program.
    ConfigOpenResult OpenConfigForInput();
    ConfigReadResult ReadConfig();
    void CloseConfig();

    // Options confirmed: WriteConfig, then CloseConfig. The three switches are
    // written as given; the wages come from the run state.
    WriteResult WriteConfig(std::int16_t minimize, std::int16_t advanced, std::int16_t savePos);

    static std::int16_t SwitchValue(bool on) { return on ? -1 : 0; }

private:
    struct Switches
    {
        std::int16_t minimize = 0;
        std::int16_t advanced = 0;
        std::int16_t savePos = -1; // what a file without the field stands for
    };

    std::string readSettings(RecordReader& record, bool sixFields, Switches& switches);
    ConfigReadResult update(const Switches& switches);

    FileSystem& m_files;
    Prompt& m_prompt;
    RunState& m_state;
    std::string m_path;
    std::optional<std::string> m_input; // the content read by the last open, until closed
};

// "File not found for /Config.ewg", caption "Error", critical icon.
Message ConfigOpenFailedMessage(const std::string& description);
// "/Config.ewg will be recreated now. Please launch the software again.", caption "Notice".
Message ConfigRecreateMessage();
// Tells that damaged settings were only partly read; the file is left as it was.
Message ConfigUnreadableMessage(const std::string& problem);
