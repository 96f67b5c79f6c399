#include "engine/AwayWatch.h"

#include <algorithm>

namespace {
// Counting older than this can no longer be part of a stretch worth asking about.
constexpr std::int64_t KeptFor = 86400;
} // namespace

std::int64_t secondsWithin(const CountedSpan& span, std::int64_t from, std::int64_t to)
{
    return std::max<std::int64_t>(0, std::min(span.end, to) - std::max(span.start(), from));
}

void AwayWatch::counted(std::int64_t now, std::int64_t seconds)
{
    if (seconds <= 0)
        return;
    // A late tick's seconds ended now; one that follows on without a gap joins the span.
    if (!m_spans.empty() && m_spans.back().end == now - seconds)
        m_spans.back() = {now, m_spans.back().seconds + seconds};
    else
        m_spans.push_back({now, seconds});
    const std::int64_t keepFrom = std::min(now - KeptFor, m_awayFrom.value_or(now));
    std::erase_if(m_spans, [keepFrom](const CountedSpan& span) { return span.end <= keepFrom; });
}

std::int64_t AwayWatch::nextReadingIn() const
{
    if (m_threshold <= 0)
        return -1;
    if (m_awayFrom)
        return 1;
    return std::max<std::int64_t>(1, m_threshold - m_lastIdle);
}

std::optional<AwayStretch> AwayWatch::idle(std::int64_t now, std::int64_t idleSeconds)
{
    m_lastIdle = std::max<std::int64_t>(0, idleSeconds);
    const std::int64_t lastInput = now - m_lastIdle;
    if (m_awayFrom && lastInput > *m_awayFrom && !m_locked)
        return returned(lastInput);
    if (!m_awayFrom && m_threshold > 0 && m_lastIdle >= m_threshold)
        m_awayFrom = lastInput;
    return std::nullopt;
}

void AwayWatch::locked(std::int64_t now)
{
    m_locked = true;
    if (!m_awayFrom)
        m_awayFrom = now;
}

std::optional<AwayStretch> AwayWatch::unlocked(std::int64_t now)
{
    m_locked = false;
    m_lastIdle = 0;
    return m_awayFrom ? returned(now) : std::nullopt;
}

void AwayWatch::stoppedCounting()
{
    m_awayFrom.reset();
    m_spans.clear();
}

std::optional<AwayStretch> AwayWatch::returned(std::int64_t at)
{
    const std::int64_t from = *m_awayFrom;
    m_awayFrom.reset();
    const std::int64_t seconds = countedWithin(from, at);
    if (seconds <= 0)
        return std::nullopt;
    // Two stretches before an answer are one question covering both.
    if (!m_pending)
        m_pending = AwayStretch{from, at, 0, {}};
    m_pending->to = at;
    m_pending->seconds += seconds;
    m_pending->parts.push_back({from, at});
    return m_pending;
}

std::int64_t AwayWatch::countedWithin(std::int64_t from, std::int64_t to) const
{
    std::int64_t seconds = 0;
    for (const CountedSpan& span : m_spans)
        seconds += secondsWithin(span, from, to);
    return seconds;
}
