#include "storage/StateFiles.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakePrompt.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash into a count that is never
// negative, and the count must come back unchanged through the writer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeFileSystem files;
    FakePrompt prompt;
    RunState state{.ElapsedSeconds = 42};
    StateFiles stateFiles(files, prompt, state, "/fuzz");
    files.put(PathInFolder("/fuzz", StateFiles::PrevFileName), std::string(reinterpret_cast<const char*>(data), size));
    stateFiles.ReadPrev();
    const std::int32_t read = state.ElapsedSeconds;
    if (read < 0 || !stateFiles.WritePrev().ok)
        std::abort();
    state.ElapsedSeconds = -1;
    if (stateFiles.ReadPrev().outcome != StateReadResult::Outcome::Read || state.ElapsedSeconds != read)
        std::abort();
    return 0;
}
