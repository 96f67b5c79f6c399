#pragma once

#include "storage/FileSystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Files in memory, with read and write failures to order. A failed write
// leaves the old content, as the disk's one-step replace does.
class FakeFileSystem final : public FileSystem
{
public:
    ReadResult readRecord(const std::string& path) override
    {
        if (const auto failure = m_readFailures.find(path); failure != m_readFailures.end())
            return {ReadResult::Status::Unreadable, {}, failure->second};
        if (const auto file = m_files.find(path); file != m_files.end())
            return {ReadResult::Status::Ok, file->second.substr(0, RecordReadLimit), {}};
        return {ReadResult::Status::Missing, {}, "File not found"};
    }

    WriteResult writeFile(const std::string& path, std::string_view content) override
    {
        ++m_writes[path];
        if (const auto failure = m_writeFailures.find(path); failure != m_writeFailures.end())
            return WriteResult::failed(failure->second);
        m_files[path] = content;
        return WriteResult::done();
    }

    void sweepTemporaries(const std::string&) override {}
    std::optional<std::int64_t> modifiedAt(const std::string& path) override
    {
        const auto at = m_modified.find(path);
        return exists(path) && at != m_modified.end() ? std::optional(at->second) : std::nullopt;
    }
    void setModifiedAt(const std::string& path, std::int64_t epochSeconds) { m_modified[path] = epochSeconds; }

    void put(const std::string& path, std::string content) { m_files[path] = std::move(content); }
    bool exists(const std::string& path) const { return m_files.count(path) != 0; }
    const std::string& content(const std::string& path) const { return m_files.at(path); }
    // How often the file was asked to be written, whether or not that worked.
    int writes(const std::string& path) const { return m_writes.count(path) ? m_writes.at(path) : 0; }
    void failWrites(const std::string& path, std::string reason) { m_writeFailures[path] = std::move(reason); }
    void failReads(const std::string& path, std::string reason) { m_readFailures[path] = std::move(reason); }
    void clearFailures() { m_writeFailures.clear(), m_readFailures.clear(); }

private:
    std::map<std::string, std::string> m_files, m_writeFailures, m_readFailures;
    std::map<std::string, int> m_writes;
    std::map<std::string, std::int64_t> m_modified;
};
