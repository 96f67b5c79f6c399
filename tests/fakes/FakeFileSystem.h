#pragma once

#include "storage/FileSystem.h"

#include <map>
#include <string>

// Files in memory, with write failures to order. A failed write leaves the old
// content, as the disk's one-step replace does.
class FakeFileSystem final : public FileSystem
{
public:
    ReadResult readFile(const std::string& path) override
    {
        if (const auto file = m_files.find(path); file != m_files.end())
            return {ReadResult::Status::Ok, file->second, {}};
        return {ReadResult::Status::Missing, {}, "File not found"};
    }

    WriteResult writeFile(const std::string& path, std::string_view content) override
    {
        if (const auto failure = m_failures.find(path); failure != m_failures.end())
            return WriteResult::failed(failure->second);
        m_files[path] = content;
        return WriteResult::done();
    }

    void put(const std::string& path, std::string content) { m_files[path] = std::move(content); }
    bool exists(const std::string& path) const { return m_files.count(path) != 0; }
    const std::string& content(const std::string& path) const { return m_files.at(path); }
    void failWrites(const std::string& path, std::string reason) { m_failures[path] = std::move(reason); }

private:
    std::map<std::string, std::string> m_files, m_failures;
};
