#pragma once

#include "storage/FileSystem.h"

#include <string>
#include <string_view>

// Files on disk. A write goes to a temporary file beside the file, is flushed
// to the disk and then renamed over it, so a crash or a full disk at any moment
// leaves either the old record or the new one in place. The replaced file keeps
// its permission bits, and a file that is a symbolic link (a dotfiles folder)
// is written through the link: the link stays, its target gets the record.
class DiskFileSystem final : public FileSystem
{
public:
    ReadResult readRecord(const std::string& path) override;
    WriteResult writeFile(const std::string& path, std::string_view content) override;
    // Only the copy that holds the data folder's lock may call this: any
    // temporary file of ours it finds was left by a copy that is gone.
    void sweepTemporaries(const std::string& path) override;
    std::optional<std::int64_t> modifiedAt(const std::string& path) override;

    // The file a path stands for once every symbolic link on it is followed;
    // a dangling link gives the file it points to. Empty after too many links.
    static std::string resolvedTarget(const std::string& path);
    // ".Prev.ewg.<process>.<serial>.tmp" beside the target.
    static std::string temporaryPathFor(const std::string& target, unsigned serial);

    // The two halves of writeFile, open so that a crash between them can be staged.
    WriteResult writeTemporary(const std::string& target, std::string_view content, std::string& temporaryPath);
    WriteResult replace(const std::string& temporaryPath, const std::string& target);

private:
    unsigned m_serial = 0;
};
