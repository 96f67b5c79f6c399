#pragma once

#include "engine/AwaySource.h"

#include <QObject>

#include <memory>
#include <string>

class BusConnection;
class WaylandIdle;
struct DBusMessage;

// Time away as the desktop tells it. Idle time from the Wayland compositor
// (WaylandIdle) in a Wayland session, else from the X server's MIT-SCREEN-SAVER
// extension, else from GNOME's org.gnome.Mutter.IdleMonitor on the session bus; the lock from
// org.freedesktop.ScreenSaver's ActiveChanged and from logind's Lock and Unlock of this session; the suspend from
// logind's PrepareForSleep. Each bus on a connection of its own, opened at begin(), so a program with away time off
// never touches them. What is missing is passed over.
class DesktopAwaySource final : public QObject, public AwaySource
{
public:
    // The real buses, or those at the addresses given (tests).
    explicit DesktopAwaySource(std::string sessionAddress = {}, std::string systemAddress = {});
    ~DesktopAwaySource() override;

    void watch(std::int64_t thresholdSeconds) override;
    std::optional<std::int64_t> idleSeconds() override;
    std::vector<std::string> ways() const override;

    // A signal on either bus.
    void heard(DBusMessage* signal);

private:
    void begin();
    void tell();

    std::string m_sessionAddress, m_systemAddress;
    std::unique_ptr<BusConnection> m_session, m_system;
    std::unique_ptr<WaylandIdle> m_wayland;
    bool m_begun = false;
    bool m_waylandIdle = false, m_x11Idle = false, m_mutterIdle = false, m_screenSaver = false, m_logind = false;
    std::string m_sessionPath; // logind's object for this session
    bool m_screenLocked = false, m_sessionLocked = false, m_asleep = false;
    bool m_away = false;
};
