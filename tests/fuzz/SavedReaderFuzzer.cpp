#include "storage/StateFiles.h"

#include "FakeFileSystem.h"
#include "fakes/FakePrompt.h"

#include <cstdint>
#include <cstdlib>

namespace {

const std::string Folder = "/fuzz";

class Windows final : public PositionHolder
{
public:
    WindowPositions current() const override { return positions; }
    void apply(const WindowPositions& applied) override { positions = applied; }

    WindowPositions positions{1, 2, 3, 4};
};

} // namespace

// Any content must be read without a crash; positions that were read must
// come back unchanged through the writer, and an unusable file must be
// replaced by one that reads.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
    StateFiles stateFiles(files, prompt, state, Folder);
    files.put(PathInFolder(Folder, StateFiles::SavedFileName), std::string(reinterpret_cast<const char*>(data), size));

    Windows windows;
    if (stateFiles.ReadSaved(windows).outcome == StateReadResult::Outcome::Read &&
        !stateFiles.WriteSaved(windows.positions).ok)
        std::abort();
    Windows again;
    const auto reread = stateFiles.ReadSaved(again).outcome;
    if (reread != StateReadResult::Outcome::EmptyFile &&
        (reread != StateReadResult::Outcome::Read || again.positions != windows.positions))
        std::abort();
    return 0;
}
