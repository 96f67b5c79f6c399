#include "host/AwayHost.h"

#include "engine/Formats.h"
#include "engine/HistoryFigures.h"
#include "engine/RunTimer.h"
#include "engine/Version.h"
#include "storage/HistoryKeeper.h"

#include <QTimer>

#include <cstdio>

AwayHost::AwayHost(Parts parts) : m_parts(parts)
{
    m_parts.source.onAway = [this](bool away) {
        lockChanged(away);
    };
}

std::int64_t AwayHost::threshold() const
{
    return std::int64_t{m_parts.preferences.awayMinutes} * 60;
}

void AwayHost::preferencesChanged()
{
    m_watch.setThreshold(threshold());
    m_ticksToReading = 0;
    // A while after start-up: the buses need not delay the first window, and
    // no stretch can be noticed within the first minute anyway.
    if (m_parts.preferences.awayMinutes > 0)
        QTimer::singleShot(BeginAfterMs, this, [this] { m_parts.source.watch(threshold()); });
}

void AwayHost::counted(int seconds)
{
    m_watch.counted(m_parts.clock.now().epochSeconds, seconds);
    if (m_parts.preferences.awayMinutes <= 0)
        return;
    m_ticksToReading -= seconds;
    if (m_ticksToReading <= 0)
        readIdle();
}

void AwayHost::stoppedCounting()
{
    if (m_parts.timer.phase() != Phase::Running)
        m_watch.stoppedCounting();
}

std::optional<bool> AwayHost::away() const
{
    if (m_parts.preferences.awayMinutes <= 0)
        return std::nullopt;
    return m_watch.away() && m_parts.timer.phase() == Phase::Running;
}

void AwayHost::readIdle()
{
    const std::optional<std::int64_t> idle = m_parts.source.idleSeconds();
    if (!idle) {
        m_ticksToReading = threshold();
        return;
    }
    returned(m_watch.idle(m_parts.clock.now().epochSeconds, *idle));
    m_ticksToReading = m_watch.nextReadingIn();
}

void AwayHost::lockChanged(bool away)
{
    if (m_parts.preferences.awayMinutes <= 0)
        return;
    const std::int64_t now = m_parts.clock.now().epochSeconds;
    if (!away) {
        returned(m_watch.unlocked(now));
    } else if (m_parts.timer.phase() == Phase::Running) {
        m_watch.locked(now);
    }
}

// A paused or idle meter is never asked; one question at a time, which takes
// in whatever stretch came while it was open.
void AwayHost::returned(const std::optional<AwayStretch>& stretch)
{
    if (!stretch)
        return;
    if (m_parts.timer.phase() != Phase::Running && !m_asking) {
        m_watch.answered();
        return;
    }
    if (m_asking)
        return;
    m_asking = true;
    // From the event loop: the return may come inside a counted second.
    QTimer::singleShot(0, this, [this] { ask(); });
}

void AwayHost::ask()
{
    const AwayStretch stretch = *m_watch.pending();
    const QString text = stretchText(stretch);
    switch (m_parts.preferences.awayAction) {
    case AwayAction::Keep:
        tell(tr("%1 The time was kept.").arg(text));
        break;
    case AwayAction::Remove:
        takeAway(false);
        tell(tr("%1 %2 was taken off the count.").arg(text, QString::fromStdString(hoursText(stretch.seconds))));
        break;
    case AwayAction::Ask: {
        const Message question{
            text.toStdString(),
            tr("Welcome back").toStdString(),
            Message::Buttons::Choices,
            Message::Icon::Question,
            {tr("&Keep").toStdString(), tr("&Remove").toStdString(), tr("Remove and &Pause").toStdString()}};
        const Answer answer = m_parts.prompt.ask(question);
        if (answer != Answer::Ok)
            takeAway(answer == Answer::Third);
        break;
    }
    }
    m_watch.answered();
    m_asking = false;
}

// Through the desktop's notifications, unless the user silenced them.
void AwayHost::tell(const QString& text)
{
    if (m_parts.preferences.notifications)
        m_parts.notifier.notify(text.toStdString());
}

// The history first: today's figure, shown with the count, then follows at once.
void AwayHost::takeAway(bool thenPause)
{
    const AwayStretch& stretch = *m_watch.pending();
    std::vector<std::pair<std::int64_t, std::int64_t>> parts;
    for (const AwayStretch::Part& part : stretch.parts)
        parts.emplace_back(part.from, part.to);
    m_parts.history.takeAway(parts);
    m_parts.timer.takeAway(stretch.seconds);
    if (m_parts.countChanged)
        m_parts.countChanged();
    if (thenPause && m_parts.timer.phase() == Phase::Running)
        m_parts.timer.pause(m_parts.timer.liveWindow());
}

QString AwayHost::stretchText(const AwayStretch& stretch) const
{
    return tr("You were away from %1 to %2 (%3) while Earnmeter was counting.")
        .arg(QString::fromStdString(localTime(stretch.from)), QString::fromStdString(localTime(stretch.to)),
             QString::fromStdString(hoursText(stretch.to - stretch.from)));
}

std::string AwayHost::localTime(std::int64_t epoch) const
{
    const std::int64_t local = epoch + m_parts.clock.now().utcOffset();
    const std::int64_t second = ((local % 86400) + 86400) % 86400;
    char text[8];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(second / 3600),
                  static_cast<long long>(second / 60 % 60));
    return text;
}
