#include "storage/PreferencesFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Any text must be read without a crash, and whatever preferences are then
// written into it must be what it says afterwards, with nothing more to change.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    const PreferencesRead read = PreferencesFile::parse(content);
    Preferences other = read.preferences;
    other.rememberWage = !other.rememberWage, other.newDay = NewDay::Zero, other.notifications = !other.notifications;
    for (const Preferences& wanted : {read.preferences, other, Preferences{}}) {
        const std::string written = PreferencesFile::rewritten(content, wanted);
        if (PreferencesFile::parse(written).preferences != wanted ||
            PreferencesFile::rewritten(written, wanted) != written)
            std::abort();
    }
    return 0;
}
