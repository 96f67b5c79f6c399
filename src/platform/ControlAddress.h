#pragma once

#include <string>

// Where the control channel's socket lies: in a folder only the user can
// enter ($XDG_RUNTIME_DIR, or a private folder of the user's under /tmp when
// that is unset or not private), named from a hash of the data folder's full
// path, so each data folder has one channel and any program of the user's
// finds it from the data folder alone.
//
// Another user can take /tmp/earnmeter-<uid> first. That folder is refused;
// the program then makes a folder of its own beside it and records its path in
// the data folder (Earnmeter.channel), where the command line looks for it.
struct ControlAddress
{
    std::string socketPath;
    std::string problem; // why there is no usable socket path; empty when there is
    // The usual folder, when it exists but would not do, and why ("belongs to another user").
    std::string refusedFolder, refusal;
    // The refusal is new to this data folder: the user has not been told of it yet.
    bool refusalIsNew = false;

    bool ok() const { return problem.empty(); }
    bool refused() const { return !refusal.empty(); }
};

// Whether the private folder under /tmp is made when missing, and a folder of
// the program's own made and recorded when it is refused (the program, which
// listens there), or only looked for (the command line, which writes nothing).
enum class FolderUse
{
    Make,
    Find
};

// runtimeFolder is $XDG_RUNTIME_DIR (empty when unset); fallbackBase is where
// the private folder is made when that will not do.
ControlAddress controlAddressFor(const std::string& dataFolder, const std::string& runtimeFolder,
                                 const std::string& fallbackBase = "/tmp", FolderUse use = FolderUse::Make);

// For this process: from its environment.
ControlAddress controlAddressFor(const std::string& dataFolder, FolderUse use = FolderUse::Make);

// Empty when the folder is a real folder (not a link) of this user's that no
// one else may enter; otherwise what is wrong with it.
std::string privateFolderProblem(const std::string& folder);

// The file in the data folder naming the program's own channel folder.
inline constexpr const char* ChannelRecordName = "Earnmeter.channel";

// "earnmeter-" and 16 hexadecimal digits of a hash of the folder's full path.
std::string channelName(const std::string& dataFolder);
