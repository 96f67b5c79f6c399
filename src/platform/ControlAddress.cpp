#include "platform/ControlAddress.h"

#include "engine/Translatable.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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

// Why a folder that is there will not do; empty when it will or when it is missing.
std::string refusalOf(const std::string& folder)
{
    struct stat info
    {};
    if (::lstat(folder.c_str(), &info) != 0)
        return {};
    if (S_ISLNK(info.st_mode))
        //: Why a folder was not used: "(reason: %2)".
        return translatable("Messages", "is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return translatable("Messages", "is not a folder");
    if (info.st_uid != ::geteuid())
        return translatable("Messages", "belongs to another user");
    if ((info.st_mode & 077) != 0)
        return translatable("Messages", "may be entered by other users");
    return {};
}

ControlAddress failed(const std::string& problem)
{
    ControlAddress address;
    address.problem = problem;
    return address;
}

ControlAddress inFolder(const std::string& folder, const std::string& dataFolder)
{
    if (std::string problem = privateFolderProblem(folder); !problem.empty())
        return failed(problem);
    ControlAddress address;
    address.socketPath = folder + "/" + channelName(dataFolder) + ".sock";
    if (address.socketPath.size() >= sizeof(sockaddr_un::sun_path))
        return failed("the socket path " + address.socketPath + " is too long");
    return address;
}

// The record: the folder of the program's own, then the refusal the user was told of.
struct ChannelRecord
{
    std::string folder, told;
};

std::string recordPath(const std::string& dataFolder)
{
    return dataFolder + "/" + ChannelRecordName;
}

ChannelRecord readRecord(const std::string& dataFolder)
{
    ChannelRecord record;
    std::ifstream in(recordPath(dataFolder));
    std::getline(in, record.folder);
    std::getline(in, record.told);
    // Only an absolute path counts: a damaged record names no folder.
    if (record.folder.empty() || record.folder.front() != '/' || record.folder.size() > 1024)
        record.folder.clear();
    return record;
}

// Replaced in one step, so a reader never sees half a record.
void writeRecord(const std::string& dataFolder, const ChannelRecord& record)
{
    const std::string path = recordPath(dataFolder), partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::trunc);
        out << record.folder << '\n' << record.told << '\n';
        if (!out.flush())
            return;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0)
        std::remove(partial.c_str());
}

// A new folder of the program's own beside the refused one; mkdtemp makes it 0700.
std::string newOwnFolder(const std::string& base, std::string& problem)
{
    std::string folder = base + "/earnmeter-" + std::to_string(::geteuid()) + "-XXXXXX";
    if (::mkdtemp(folder.data()) != nullptr)
        return folder;
    problem = "no folder of its own could be made in " + base + ": " + std::strerror(errno);
    return {};
}

// The usual folder would not do: the recorded one, or (the program) a new one.
ControlAddress elsewhere(const ControlAddress& usual, const std::string& dataFolder, const std::string& base,
                         FolderUse use)
{
    const ChannelRecord record = readRecord(dataFolder);
    ControlAddress address = usual;
    if (!record.folder.empty() && privateFolderProblem(record.folder).empty())
        address = inFolder(record.folder, dataFolder);
    else if (use == FolderUse::Make && usual.refused()) {
        const std::string made = newOwnFolder(base, address.problem);
        if (!made.empty())
            address = inFolder(made, dataFolder);
    }
    address.refusedFolder = usual.refusedFolder;
    address.refusal = usual.refusal;
    if (use == FolderUse::Make && usual.refused()) {
        const std::string told = usual.refusedFolder + " " + usual.refusal;
        address.refusalIsNew = record.told != told;
        const std::string folder = address.ok() ? address.socketPath.substr(0, address.socketPath.rfind('/')) : "";
        if (address.refusalIsNew || folder != record.folder)
            writeRecord(dataFolder, {folder, told});
    }
    return address;
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
    const std::string refusal = refusalOf(folder);
    return refusal.empty() ? std::string() : folder + " " + refusal;
}

ControlAddress controlAddressFor(const std::string& dataFolder, const std::string& runtimeFolder,
                                 const std::string& fallbackBase, FolderUse use)
{
    std::string folder = runtimeFolder;
    if (folder.empty() || folder.front() != '/' || !privateFolderProblem(folder).empty())
        folder = ownPrivateFolder(fallbackBase, use);
    ControlAddress address = inFolder(folder, dataFolder);
    if (address.ok())
        return address;
    address.refusal = refusalOf(folder);
    if (address.refused())
        address.refusedFolder = folder;
    return elsewhere(address, dataFolder, fallbackBase, use);
}

ControlAddress controlAddressFor(const std::string& dataFolder, FolderUse use)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return controlAddressFor(dataFolder, runtime ? runtime : "", "/tmp", use);
}
