#pragma once

#include <string>
#include <string_view>
#include <utility>

// What reading a whole file gave: its content, or why there is none.
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
    std::string reason;

    static WriteResult done() { return {}; }
    static WriteResult failed(std::string reason) { return {false, std::move(reason)}; }
};

// Whole-file reads and writes. A write replaces the file in one step: a reader
// finds either the old content or the new one, never a mix or an empty file.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    virtual ReadResult readFile(const std::string& path) = 0;
    virtual WriteResult writeFile(const std::string& path, std::string_view content) = 0;
};

// The folder and the file name joined with the platform's separator.
std::string pathInFolder(const std::string& folder, std::string_view fileName);

// How messages name a file: the separator and its name, as in "/Config.ewg".
std::string shownFileName(std::string_view fileName);

// A failure's description naming the file: "File not found for /Config.ewg".
std::string forFile(std::string_view what, std::string_view fileName);
