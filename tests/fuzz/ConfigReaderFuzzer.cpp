#include "storage/ConfigFile.h"

#include "fakes/FakeFileSystem.h"

#include <cstdint>
#include <cstdlib>

// Any content must be read without a crash, and settings that were read must
// come back unchanged through this version's writer and reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Outcome = ConfigRead::Outcome;
    FakeFileSystem files;
    const std::string path = pathInFolder("/fuzz", ConfigFile::FileName);
    files.put(path, std::string(reinterpret_cast<const char*>(data), size));
    ConfigFile config(files, "/fuzz");
    const ConfigRead read = config.read();
    if (read.outcome == Outcome::Missing || read.outcome == Outcome::Unreadable || !config.write(read.settings).ok)
        std::abort();
    const ConfigRead again = config.read();
    const bool taken = read.outcome == Outcome::Current || read.outcome == Outcome::Updated;
    if (taken && (again.outcome != Outcome::Current || again.settings != read.settings))
        std::abort();
    return 0;
}
