#pragma once

#include "engine/MeterStatus.h"

#include <functional>

// What the command line and D-Bus may ask of the running meter.
enum class RemoteCommand
{
    Show,
    Start,
    Pause,
    Toggle
};

// The running meter as the control channel and D-Bus reach it; the host
// carries the commands out on the live window.
class MeterRemote
{
public:
    virtual ~MeterRemote() = default;
    virtual void perform(RemoteCommand command) = 0;
    virtual MeterStatus status() const = 0;
    // Called whenever the figures of status() change; the subscriber lives as long as the meter.
    virtual void onStatusChanged(std::function<void()> callback) = 0;
};
