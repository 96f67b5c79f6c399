#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// Records are read from their first bytes, at most this many, whatever the
// file's size: a record is a line long, and a huge file is never pulled in.
inline constexpr std::size_t RecordReadLimit = 64 * 1024;

// What reading a record file gave: its start, or why there is none.
struct ReadResult
{
    enum class Status
    {
        Ok,
        Missing,
        Unreadable
    };

    Status status = Status::Ok;
    std::string content;
    std::string reason; // "File not found", or the system's text such as "Permission denied"

    bool ok() const { return status == Status::Ok; }
};

// Whether a whole file was written, and if not, why.
struct WriteResult
{
    bool ok = true;
    std::string reason; // for a box: "No space left on device for /Prev.ewg"
    std::string cause;  // the system's words alone: "No space left on device"

    static WriteResult done() { return {}; }
    static WriteResult failed(std::string reason) { return {false, reason, reason}; }
};

// Record files on a disk. A write replaces the file in one step: a reader
// finds either the old content or the new one, never a mix or an empty file.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    // At most RecordReadLimit bytes from the start of the file. Only a file that
    // is not there is Missing; one that is there but cannot be read (its
    // permissions, a folder, a pipe, a device) is Unreadable, with the reason.
    virtual ReadResult readRecord(const std::string& path) = 0;
    virtual WriteResult writeFile(const std::string& path, std::string_view content) = 0;
    // Removes what an interrupted write of this file left behind.
    virtual void sweepTemporaries(const std::string& path) = 0;
    // When the file was last written (UTC seconds); nothing when it is not there.
    virtual std::optional<std::int64_t> modifiedAt(const std::string& path) = 0;
};

// The folder and the file name joined with the platform's separator.
std::string pathInFolder(const std::string& folder, std::string_view fileName);

// How messages name a file: the separator and its name, as in "/Config.ewg".
std::string shownFileName(std::string_view fileName);

// A failure's description naming the file: "File not found for /Config.ewg".
std::string forFile(std::string_view what, std::string_view fileName);
