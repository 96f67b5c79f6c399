#pragma once

#include "storage/FileSystem.h"

#include <map>
#include <string>
#include <vector>

// Files in memory, with read and write failures to order. A failed write
// leaves the old content, as the disk's one-step replace does.
class FakeFileSystem final : public FileSystem
{
public:
    ReadResult readFile(const std::string& path) override
    {
        m_log.push_back("read " + path);
        if (const auto failure = m_readFailures.find(path); failure != m_readFailures.end())
            return {ReadResult::Status::Unreadable, {}, failure->second};
        const auto file = m_files.find(path);
        if (file == m_files.end())
            return {ReadResult::Status::Missing, {}, "File not found"};
        return {ReadResult::Status::Ok, file->second, {}};
    }

    WriteResult writeFile(const std::string& path, std::string_view content) override
    {
        m_log.push_back("write " + path);
        if (const auto failure = m_writeFailures.find(path); failure != m_writeFailures.end())
            return WriteResult::Failed(failure->second);
        m_files[path] = std::string(content);
        return WriteResult::Done();
    }

    void put(const std::string& path, std::string content) { m_files[path] = std::move(content); }
    bool exists(const std::string& path) const { return m_files.count(path) != 0; }
    const std::string& content(const std::string& path) const { return m_files.at(path); }
    void failReads(const std::string& path, std::string reason) { m_readFailures[path] = std::move(reason); }
    void failWrites(const std::string& path, std::string reason) { m_writeFailures[path] = std::move(reason); }
    const std::vector<std::string>& log() const { return m_log; }

private:
    std::map<std::string, std::string> m_files;
    std::map<std::string, std::string> m_readFailures;
    std::map<std::string, std::string> m_writeFailures;
    std::vector<std::string> m_log;
};
