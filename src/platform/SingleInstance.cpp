#include "platform/SingleInstance.h"

#include "platform/ControlClient.h"
#include "platform/ControlProtocol.h"

#include <thread>

SingleInstance::SingleInstance(const std::string& dataFolder, ControlAddress address)
    : m_lock(dataFolder), m_address(std::move(address))
{}

SingleInstance::Claim SingleInstance::claim()
{
    switch (m_lock.acquire()) {
    case InstanceLock::Outcome::Held:
        return Claim::Ours;
    case InstanceLock::Outcome::HeldByOther:
        askToShow();
        return Claim::AnotherCopy;
    case InstanceLock::Outcome::Failed:
        break;
    }
    return Claim::Unlocked;
}

std::string SingleInstance::lockProblemText() const
{
    return "Earnmeter cannot create its lock file " + m_lock.path() + ": " + m_lock.problem() +
           ".\n\nIt starts anyway, but cannot stop a second copy from using the same files.";
}

// The running copy may have taken the lock a moment ago and not be listening
// yet: it gets a little time to open its channel.
void SingleInstance::askToShow() const
{
    if (!m_address.ok())
        return;
    const ControlClient client(m_address.socketPath);
    const ControlRequest show{ControlRequest::Kind::Command, RemoteCommand::Show};
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (client.exchange(requestLine(show), [](const std::string&) { return false; }) !=
            ControlClient::Outcome::NotRunning)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
