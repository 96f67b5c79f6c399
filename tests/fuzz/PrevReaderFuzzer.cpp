#include "storage/StateFiles.h"

#include "FakeFileSystem.h"
#include "fakes/FakePrompt.h"

#include <cstdint>
#include <cstdlib>

namespace {
const std::string Folder = "/fuzz";
}

// Any content must be read without a crash into a count that is never
// negative, and the count must come back unchanged through the writer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
    StateFiles stateFiles(files, prompt, state, Folder);
    files.put(PathInFolder(Folder, StateFiles::PrevFileName), std::string(reinterpret_cast<const char*>(data), size));

    state.ElapsedSeconds = 42;
    stateFiles.ReadPrev();
    if (state.ElapsedSeconds < 0 || !stateFiles.WritePrev().ok)
        std::abort();
    const std::int32_t read = state.ElapsedSeconds;
    state.ElapsedSeconds = -1;
    if (stateFiles.ReadPrev().outcome != StateReadResult::Outcome::Read || state.ElapsedSeconds != read)
        std::abort();
    return 0;
}
