#include "storage/StateFiles.h"

#include "fakes/FakeFileSystem.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash into a count that is never
// negative, and the count must come back unchanged through the writer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = StateRead<std::int32_t>::Outcome;
    FakeFileSystem files;
    StateFiles stateFiles(files, "/fuzz");
    files.put(pathInFolder("/fuzz", StateFiles::PrevFileName), std::string(reinterpret_cast<const char*>(data), size));
    const StateRead<std::int32_t> read = stateFiles.ReadPrev();
    if (read.outcome != Outcome::Read)
        return 0;
    if (read.value < 0 || !stateFiles.WritePrev(read.value).ok)
        std::abort();
    const StateRead<std::int32_t> again = stateFiles.ReadPrev();
    if (again.outcome != Outcome::Read || again.value != read.value)
        std::abort();
    return 0;
}
