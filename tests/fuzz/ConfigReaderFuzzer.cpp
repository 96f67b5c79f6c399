#include "storage/ConfigFile.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakePrompt.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash, and settings that were read must
// come back unchanged through this version's writer and reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = ConfigReadResult::Outcome;
    FakeFileSystem files;
    FakePrompt prompt;
    const std::string path = PathInFolder("/fuzz", ConfigFile::FileName);
    files.put(path, std::string(reinterpret_cast<const char*>(data), size));
    // Reads the file into `state` and writes what was read back: equal records mean equal settings.
    const auto readAndWriteBack = [&](RunState& state) {
        ConfigFile config(files, prompt, state, "/fuzz");
        if (!config.OpenConfigForInput().ok)
            std::abort();
        const Outcome outcome = config.ReadConfig().outcome;
        config.CloseConfig();
        if (!config
                 .WriteConfig(ConfigFile::SwitchValue(state.MinimizeOnStartup),
                              ConfigFile::SwitchValue(state.StartInAdvancedMode),
                              ConfigFile::SwitchValue(state.SavePositionOnExit))
                 .ok)
            std::abort();
        return outcome;
    };
    RunState state, again;
    const Outcome outcome = readAndWriteBack(state);
    const std::string written = files.content(path);
    if ((outcome == Outcome::Current || outcome == Outcome::Updated) &&
        (readAndWriteBack(again) != Outcome::Current || files.content(path) != written ||
         again.AdvancedMode != state.AdvancedMode))
        std::abort();
    return 0;
}
