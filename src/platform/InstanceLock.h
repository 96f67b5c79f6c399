#pragma once

#include <string>

// The lock that lets one copy run per data folder. It lies in the data folder
// itself, so every copy using that folder sees it whatever its environment.
// The kernel drops it when the process ends, however it ends.
class InstanceLock final
{
public:
    enum class Outcome
    {
        Held,        // this process is the one copy
        HeldByOther, // another process holds it
        Failed       // it could not be made; problem() says why
    };

    static constexpr const char* FileName = "Earnmeter.lock";

    explicit InstanceLock(const std::string& dataFolder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome acquire();
    const std::string& path() const { return m_path; }
    const std::string& problem() const { return m_problem; }

private:
    std::string m_path;
    std::string m_problem;
    int m_fd = -1;
};
