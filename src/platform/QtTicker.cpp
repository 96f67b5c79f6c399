#include "platform/QtTicker.h"

#include <algorithm>
#include <climits>

QtTicker::QtTicker(MonotonicClock clock) : m_clock(std::move(clock))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { timedOut(); });
}

void QtTicker::setEnabled(bool enabled)
{
    // Switching on a running timer keeps its phase, so a second Start costs no time.
    if (enabled && !m_timer.isActive()) {
        m_since = m_clock();
        m_told = 0;
        m_timer.start();
    } else if (!enabled) {
        m_timer.stop();
    }
}

void QtTicker::onTick(Handler handler)
{
    m_handler = std::move(handler);
}

// The whole seconds to the nearest since the start, less those told: one for a
// timely tick, whatever its few milliseconds of jitter, more for a late one.
void QtTicker::timedOut()
{
    const auto passed = m_clock() - m_since + std::chrono::milliseconds(500);
    const std::int64_t due = std::chrono::duration_cast<std::chrono::seconds>(passed).count();
    const std::int64_t seconds = due - m_told;
    if (seconds <= 0 || !m_handler)
        return;
    m_told = due;
    m_handler(static_cast<int>(std::min<std::int64_t>(seconds, INT32_MAX)));
}
