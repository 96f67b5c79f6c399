#include "platform/tray/TrayClicks.h"

#include <utility>

std::optional<TrayEvent> TrayClicks::next(QSystemTrayIcon::ActivationReason reason, Milliseconds at,
                                          Milliseconds interval)
{
    const std::optional<Milliseconds> last = std::exchange(m_lastClick, std::nullopt);
    std::optional<TrayEvent> event = trayEventFor(reason);
    if (reason != QSystemTrayIcon::Trigger)
        return event;
    if (last && at - *last < interval)
        return TrayEvent{TrayEvent::Kind::DoubleClick, TrayEvent::LeftButton};
    m_lastClick = at;
    return event;
}
