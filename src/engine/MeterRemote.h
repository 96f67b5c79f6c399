#pragma once

#include "engine/MeterStatus.h"

#include <functional>
#include <optional>

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
    // The hourly wage the command would start the meter at, read from the live
    // window's box as Start reads it; nothing when it would not start it (or
    // would refuse the wage).
    virtual std::optional<Currency> wageToStartAt(RemoteCommand command) const = 0;
    virtual MeterStatus status() const = 0;
    // Asked for only when shown: today's figure may open the history.
    virtual DayFigures day() const = 0;
    // Called whenever the figures of status() change; the subscriber lives as long as the meter.
    virtual void onStatusChanged(std::function<void()> callback) = 0;
    // How the status texts write money, in the currency the user chose.
    virtual const MoneyFormat& money() const { return dollarMoney(); }
};
