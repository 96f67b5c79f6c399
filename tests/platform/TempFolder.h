#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh private folder per test, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        if (!::mkdtemp(m_path.data()))
            m_path.clear();
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path = (std::filesystem::temp_directory_path() / "earnmeter-test-XXXXXX").string();
};
