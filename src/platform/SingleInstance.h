#pragma once

#include "platform/ControlAddress.h"
#include "platform/InstanceLock.h"

#include <string>

// One running copy per data folder: two copies would overwrite each other's
// files. The lock in the data folder decides; a second launch asks the running
// copy, over its control channel, to show its window, and ends.
class SingleInstance final
{
public:
    enum class Claim
    {
        Ours,        // this process is the one copy
        AnotherCopy, // a copy runs; it has been asked to show itself, as far as it can be reached
        Unlocked     // the lock could not be made: run anyway, after telling the user
    };

    SingleInstance(const std::string& dataFolder, ControlAddress address);

    Claim claim();
    const ControlAddress& address() const { return m_address; }
    // What to tell the user when the claim was Unlocked.
    std::string lockProblemText() const;

private:
    void askToShow() const;

    InstanceLock m_lock;
    ControlAddress m_address;
};
