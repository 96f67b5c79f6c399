#include "storage/StateFiles.h"

#include "fakes/FakeFileSystem.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash, and what was read must come back
// unchanged through the writer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = StateRead<RememberedWage>::Outcome;
    FakeFileSystem files;
    StateFiles stateFiles(files, "/fuzz");
    files.put(pathInFolder("/fuzz", StateFiles::WageFileName), std::string(reinterpret_cast<const char*>(data), size));
    const StateRead<RememberedWage> read = stateFiles.ReadWage();
    if (read.outcome != Outcome::Read)
        return 0;
    if (!stateFiles.WriteWage(read.value).ok)
        std::abort();
    const StateRead<RememberedWage> again = stateFiles.ReadWage();
    if (again.outcome != Outcome::Read || again.value.type != read.value.type ||
        again.value.period != read.value.period)
        std::abort();
    // A text the record could not hold whole is normalised once, and then kept.
    if (!stateFiles.WriteWage(again.value).ok || stateFiles.ReadWage().value != again.value)
        std::abort();
    return 0;
}
