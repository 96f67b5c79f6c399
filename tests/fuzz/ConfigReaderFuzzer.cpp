#include "storage/ConfigFile.h"

#include "FakeFileSystem.h"
#include "fakes/FakePrompt.h"

#include <cstdint>
#include <cstdlib>

namespace {

const std::string Folder = "/fuzz";

bool SameSettings(const RunState& a, const RunState& b)
{
    return a.MinimumWage == b.MinimumWage && a.DreamWage == b.DreamWage && a.MinimizeOnStartup == b.MinimizeOnStartup &&
           a.StartInAdvancedMode == b.StartInAdvancedMode && a.AdvancedMode == b.AdvancedMode &&
           a.SavePositionOnExit == b.SavePositionOnExit;
}

ConfigReadResult StartUp(ConfigFile& config)
{
    if (!config.OpenConfigForInput().ok)
        std::abort();
    ConfigReadResult result = config.ReadConfig();
    config.CloseConfig();
    return result;
}

} // namespace

// Any content must be read without a crash, and settings that were read must
// come back unchanged through this version's writer and reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
    ConfigFile config(files, prompt, state, Folder);
    files.put(PathInFolder(Folder, ConfigFile::FileName), std::string(reinterpret_cast<const char*>(data), size));

    const auto outcome = StartUp(config).outcome;
    if (outcome != ConfigReadResult::Outcome::Current && outcome != ConfigReadResult::Outcome::Updated)
        return 0;
    if (!config
             .WriteConfig(ConfigFile::SwitchValue(state.MinimizeOnStartup),
                          ConfigFile::SwitchValue(state.StartInAdvancedMode),
                          ConfigFile::SwitchValue(state.SavePositionOnExit))
             .ok)
        std::abort();
    RunState again;
    ConfigFile reread(files, prompt, again, Folder);
    if (StartUp(reread).outcome != ConfigReadResult::Outcome::Current || !SameSettings(state, again))
        std::abort();
    return 0;
}
