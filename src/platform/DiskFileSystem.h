#pragma once

#include "storage/FileSystem.h"

#include <cstddef>
#include <string>
#include <string_view>

// Files on disk. A write goes to a temporary file in the same folder, is
// flushed to the disk and then renamed over the old file, so a crash or a full
// disk at any moment leaves either the old record or the new one in place.
class DiskFileSystem final : public FileSystem
{
public:
    // Our records are a line long; anything far larger is not one of them and is
    // refused rather than pulled into memory.
    static constexpr std::size_t MaxFileSize = 1 << 20;

    ReadResult readFile(const std::string& path) override;
    WriteResult writeFile(const std::string& path, std::string_view content) override;

    // The two halves of writeFile, open so that a crash between them can be staged.
    std::string temporaryPathFor(const std::string& path);
    WriteResult writeTemporary(const std::string& temporaryPath, std::string_view content);
    WriteResult replace(const std::string& temporaryPath, const std::string& path);

private:
    unsigned m_writeCount = 0;
};
