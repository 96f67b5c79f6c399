#pragma once

#include <QObject>

#include <chrono>
#include <cstdint>
#include <optional>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;
class QSocketNotifier;

// The user's idle time on a Wayland desktop, on a connection of the program's
// own (Qt 6.4 gives no public way to its display): ext-idle-notify-v1 where the
// compositor offers it, else org_kde_kwin_idle (KDE, and Debian 12's sway 1.7).
// The compositor says when the user has been idle for the threshold and when
// they are back; nothing is polled.
class WaylandIdle final : public QObject
{
public:
    WaylandIdle();
    ~WaylandIdle() override;
    WaylandIdle(const WaylandIdle&) = delete;
    WaylandIdle& operator=(const WaylandIdle&) = delete;

    // Connects where $WAYLAND_DISPLAY names a compositor; false when it offers neither protocol.
    bool open();
    // The compositor is to tell when the user has given no input this long.
    void watch(std::int64_t thresholdSeconds);
    // Seconds since the last input as far as the compositor has told: the
    // threshold and more while idle, the seconds since the return just after it, else 0.
    std::int64_t idleSeconds() const;
    const char* protocol() const;

    // Called from the protocol's listeners.
    void global(wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version);
    void idled();
    void resumed();

private:
    void readEvents();
    void release();

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    ext_idle_notifier_v1* m_notifier = nullptr;
    ext_idle_notification_v1* m_notification = nullptr;
    org_kde_kwin_idle* m_kdeIdle = nullptr;
    org_kde_kwin_idle_timeout* m_kdeTimeout = nullptr;
    QSocketNotifier* m_events = nullptr;
    std::int64_t m_threshold = 0;
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> m_idleSince, m_backAt;
};
