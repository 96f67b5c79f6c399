#include "storage/StateFiles.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakePrompt.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash; positions that were read must
// come back unchanged through the writer, and an unusable file must be
// replaced by one that reads.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = StateReadResult::Outcome;
    struct Windows final : PositionHolder
    {
        WindowPositions current() const override { return positions; }
        void apply(const WindowPositions& applied) override { positions = applied; }
        WindowPositions positions{1, 2, 3, 4};
    };
    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
    StateFiles stateFiles(files, prompt, state, "/fuzz");
    files.put(PathInFolder("/fuzz", StateFiles::SavedFileName), std::string(reinterpret_cast<const char*>(data), size));
    Windows windows, again;
    if (stateFiles.ReadSaved(windows).outcome == Outcome::Read && !stateFiles.WriteSaved(windows.positions).ok)
        std::abort();
    const Outcome reread = stateFiles.ReadSaved(again).outcome;
    if (reread != Outcome::EmptyFile && (reread != Outcome::Read || again.positions != windows.positions))
        std::abort();
    return 0;
}
