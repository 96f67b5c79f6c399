#include "platform/WaylandIdle.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cstring>

namespace {

void onGlobal(void* self, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    static_cast<WaylandIdle*>(self)->global(registry, name, interface, version);
}
void onGlobalRemoved(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener RegistryListener = {onGlobal, onGlobalRemoved};

void onIdled(void* self, ext_idle_notification_v1*)
{
    static_cast<WaylandIdle*>(self)->idled();
}
void onResumed(void* self, ext_idle_notification_v1*)
{
    static_cast<WaylandIdle*>(self)->resumed();
}
const ext_idle_notification_v1_listener NotificationListener = {onIdled, onResumed};

void onKdeIdle(void* self, org_kde_kwin_idle_timeout*)
{
    static_cast<WaylandIdle*>(self)->idled();
}
void onKdeResumed(void* self, org_kde_kwin_idle_timeout*)
{
    static_cast<WaylandIdle*>(self)->resumed();
}
const org_kde_kwin_idle_timeout_listener KdeListener = {onKdeIdle, onKdeResumed};

// How long after a return the seconds since it still stand for the idle time:
// the watch reads every tick while the user is away.
constexpr auto BackFor = std::chrono::seconds(3);

} // namespace

WaylandIdle::WaylandIdle() = default;

WaylandIdle::~WaylandIdle()
{
    release();
    for (auto* proxy : {reinterpret_cast<wl_proxy*>(m_notifier), reinterpret_cast<wl_proxy*>(m_kdeIdle),
                        reinterpret_cast<wl_proxy*>(m_seat), reinterpret_cast<wl_proxy*>(m_registry)})
        if (proxy)
            wl_proxy_destroy(proxy);
    if (m_display)
        wl_display_disconnect(m_display);
}

bool WaylandIdle::open()
{
    if (m_display)
        return m_notifier || m_kdeIdle;
    m_display = wl_display_connect(nullptr);
    if (!m_display)
        return false;
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &RegistryListener, this);
    // One round trip for the globals; the seat's own events are not needed.
    wl_display_roundtrip(m_display);
    if (!m_seat || (!m_notifier && !m_kdeIdle))
        return false;
    m_events = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    connect(m_events, &QSocketNotifier::activated, this, &WaylandIdle::readEvents);
    return true;
}

void WaylandIdle::global(wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !m_seat)
        m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
        m_notifier =
            static_cast<ext_idle_notifier_v1*>(wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0)
        m_kdeIdle = static_cast<org_kde_kwin_idle*>(wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
}

void WaylandIdle::watch(std::int64_t thresholdSeconds)
{
    if (!m_seat || thresholdSeconds == m_threshold)
        return;
    release();
    m_threshold = thresholdSeconds;
    if (thresholdSeconds <= 0)
        return;
    const auto timeout = static_cast<std::uint32_t>(thresholdSeconds * 1000);
    if (m_notifier) {
        m_notification = ext_idle_notifier_v1_get_idle_notification(m_notifier, timeout, m_seat);
        ext_idle_notification_v1_add_listener(m_notification, &NotificationListener, this);
    } else if (m_kdeIdle) {
        m_kdeTimeout = org_kde_kwin_idle_get_idle_timeout(m_kdeIdle, m_seat, timeout);
        org_kde_kwin_idle_timeout_add_listener(m_kdeTimeout, &KdeListener, this);
    }
    wl_display_flush(m_display);
}

void WaylandIdle::release()
{
    if (m_notification)
        ext_idle_notification_v1_destroy(m_notification);
    if (m_kdeTimeout)
        org_kde_kwin_idle_timeout_release(m_kdeTimeout);
    m_notification = nullptr;
    m_kdeTimeout = nullptr;
    m_idleSince.reset();
}

std::int64_t WaylandIdle::idleSeconds() const
{
    const auto now = Clock::now();
    const auto seconds = [](Clock::duration d) {
        return std::chrono::duration_cast<std::chrono::seconds>(d).count();
    };
    if (m_idleSince)
        return m_threshold + seconds(now - *m_idleSince);
    if (m_backAt && now - *m_backAt < BackFor)
        return seconds(now - *m_backAt);
    return 0;
}

const char* WaylandIdle::protocol() const
{
    return m_notifier ? QT_TRANSLATE_NOOP("AwayWays", "the compositor's idle time (ext-idle-notify-v1)")
                      : QT_TRANSLATE_NOOP("AwayWays", "the compositor's idle time (org_kde_kwin_idle)");
}

void WaylandIdle::idled()
{
    m_idleSince = Clock::now();
}

void WaylandIdle::resumed()
{
    m_idleSince.reset();
    m_backAt = Clock::now();
}

void WaylandIdle::readEvents()
{
    // A compositor that went away ends the watch, not the program.
    if (wl_display_dispatch(m_display) < 0) {
        m_events->setEnabled(false);
        m_idleSince.reset();
    }
}
