#include "platform/QtTicker.h"

QtTicker::QtTicker()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_handler)
            m_handler();
    });
}

void QtTicker::setEnabled(bool enabled)
{
    // Switching on a running timer keeps its phase, so a second Start costs no time.
    if (enabled && !m_timer.isActive())
        m_timer.start();
    else if (!enabled)
        m_timer.stop();
}

void QtTicker::onTick(std::function<void()> handler)
{
    m_handler = std::move(handler);
}
