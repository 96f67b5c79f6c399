#include "storage/StateFiles.h"

#include "fakes/FakeFileSystem.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash; positions that were read must come
// back unchanged through the writer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = StateRead<WindowPositions>::Outcome;
    FakeFileSystem files;
    StateFiles stateFiles(files, "/fuzz");
    files.put(pathInFolder("/fuzz", StateFiles::SavedFileName), std::string(reinterpret_cast<const char*>(data), size));
    const StateRead<WindowPositions> read = stateFiles.ReadSaved();
    if (read.outcome != Outcome::Read)
        return 0;
    if (!stateFiles.WriteSaved(read.value).ok)
        std::abort();
    const StateRead<WindowPositions> again = stateFiles.ReadSaved();
    if (again.outcome != Outcome::Read || again.value != read.value)
        std::abort();
    return 0;
}
