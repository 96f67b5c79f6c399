#include "ProgramModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <iostream>
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
    std::cerr << "earnmeter: cannot load " << module << ": " << (why ? why : "unknown error") << std::endl;
    return 1;
}

} // namespace

int runProgramModule(int argc, char* argv[])
{
    using Entry = int (*)(int, char*[]);
    const std::string module = executableFolder() + "/earnmeter-program.so";
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return cannotLoad(module, ::dlerror());
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "earnmeter_run_program"));
    if (entry == nullptr)
        return cannotLoad(module, ::dlerror());
    // The module stays loaded to the end: its objects live until the process exits.
    return entry(argc, argv);
}
