#include "ProgramModule.h"

#include "platform/StandardError.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

namespace {

// The folder of the running executable, links followed, as the kernel knows it.
std::string executableFolder()
{
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return path.substr(0, path.rfind('/'));
}

int cannotLoad(const std::string& module, const char* why)
{
    printErrorLine("earnmeter: cannot load " + module + ": " + (why ? why : "unknown error"));
    return 1;
}

// The module's thousands of Qt symbols are looked up in its own libraries first,
// not after every library the executable brings; functions are bound when first
// called. A sanitizer must see every allocation, so it keeps the usual order.
#ifdef EARNMETER_SANITIZED
constexpr int LoadFlags = RTLD_LAZY | RTLD_LOCAL;
#else
constexpr int LoadFlags = RTLD_LAZY | RTLD_LOCAL | RTLD_DEEPBIND;
#endif

} // namespace

int runProgramModule(int argc, char* argv[])
{
    using Entry = int (*)(int, char*[]);
    const std::string module = executableFolder() + "/earnmeter-program.so";
    void* handle = ::dlopen(module.c_str(), LoadFlags);
    if (handle == nullptr)
        return cannotLoad(module, ::dlerror());
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "earnmeter_run_program"));
    if (entry == nullptr)
        return cannotLoad(module, ::dlerror());
    // The module stays loaded to the end: its objects live until the process exits.
    return entry(argc, argv);
}
