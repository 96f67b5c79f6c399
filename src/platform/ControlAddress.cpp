#include "platform/ControlAddress.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// FNV-1a: the name only has to tell data folders apart, not resist anyone.
std::uint64_t hashOf(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// The full path with links resolved, so two spellings of a folder share a channel.
std::string fullPath(const std::string& folder)
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(folder, error);
    if (error)
        path = std::filesystem::path(folder).lexically_normal();
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::string ownPrivateFolder(const std::string& base, FolderUse use)
{
    const std::string folder = base + "/earnmeter-" + std::to_string(::geteuid());
    if (use == FolderUse::Make)
        ::mkdir(folder.c_str(), 0700); // an existing one is checked below like a new one
    return folder;
}

} // namespace

std::string channelName(const std::string& dataFolder)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hashOf(fullPath(dataFolder))));
    return std::string("earnmeter-") + hex;
}

std::string privateFolderProblem(const std::string& folder)
{
    struct stat info
    {};
    if (::lstat(folder.c_str(), &info) != 0)
        return folder + ": " + std::strerror(errno);
    if (S_ISLNK(info.st_mode))
        return folder + " is a symbolic link";
    if (!S_ISDIR(info.st_mode))
        return folder + " is not a folder";
    if (info.st_uid != ::geteuid())
        return folder + " belongs to another user";
    if ((info.st_mode & 077) != 0)
        return folder + " may be entered by other users";
    return {};
}

ControlAddress controlAddressFor(const std::string& dataFolder, const std::string& runtimeFolder,
                                 const std::string& fallbackBase, FolderUse use)
{
    std::string folder = runtimeFolder;
    if (folder.empty() || folder.front() != '/' || !privateFolderProblem(folder).empty())
        folder = ownPrivateFolder(fallbackBase, use);
    if (std::string problem = privateFolderProblem(folder); !problem.empty())
        return {{}, problem};
    const std::string path = folder + "/" + channelName(dataFolder) + ".sock";
    if (path.size() >= sizeof(sockaddr_un::sun_path))
        return {{}, "the socket path " + path + " is too long"};
    return {path, {}};
}

ControlAddress controlAddressFor(const std::string& dataFolder, FolderUse use)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return controlAddressFor(dataFolder, runtime ? runtime : "", "/tmp", use);
}
