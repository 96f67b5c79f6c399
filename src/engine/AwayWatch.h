#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Time the user was away while the meter counted: from the last input (or the
// lock, or the suspend) to the return, in UTC seconds, and the seconds the
// meter counted within it. Stretches joined before an answer keep their parts,
// so the time worked between them is never taken away.
struct AwayStretch
{
    struct Part
    {
        std::int64_t from = 0, to = 0;
        friend bool operator==(const Part&, const Part&) = default;
    };
    std::int64_t from = 0;
    std::int64_t to = 0;
    std::int64_t seconds = 0;
    std::vector<Part> parts;

    friend bool operator==(const AwayStretch&, const AwayStretch&) = default;
};

// One run of counted seconds with no gap: `seconds` ended at `end`.
struct CountedSpan
{
    std::int64_t end = 0;
    std::int64_t seconds = 0;
    std::int64_t start() const { return end - seconds; }
};

// The seconds of a span that fall in [from, to).
std::int64_t secondsWithin(const CountedSpan& span, std::int64_t from, std::int64_t to);

// Notices time away from what the desktop reports: the user's idle time, read
// when the watch asks for it, and the lock and the suspend as they come. It
// only watches while the meter counts; a return after a stretch in which it
// counted hands that stretch back, joined to any not answered yet.
class AwayWatch final
{
public:
    // `thresholdSeconds` 0 never notices idle time (lock and suspend still count).
    void setThreshold(std::int64_t thresholdSeconds) { m_threshold = thresholdSeconds; }

    // The meter counted `seconds` ending at `now`.
    void counted(std::int64_t now, std::int64_t seconds);
    // Ticks from now until the idle time is worth reading again: just before the
    // threshold can be reached, and every tick while away.
    std::int64_t nextReadingIn() const;
    // The idle time read at `now`; a return gives the stretch to ask about.
    std::optional<AwayStretch> idle(std::int64_t now, std::int64_t idleSeconds);
    void locked(std::int64_t now);
    std::optional<AwayStretch> unlocked(std::int64_t now);
    // The meter stopped counting (pause, reset, exit): nothing it counted after
    // is away time, and a stretch that is open is forgotten.
    void stoppedCounting();

    bool away() const { return m_awayFrom.has_value(); }
    // What was noticed and not answered yet.
    const std::optional<AwayStretch>& pending() const { return m_pending; }
    // The question was answered (or the action carried out).
    void answered() { m_pending.reset(); }

private:
    std::optional<AwayStretch> returned(std::int64_t at);
    std::int64_t countedWithin(std::int64_t from, std::int64_t to) const;

    std::int64_t m_threshold = 0;
    std::vector<CountedSpan> m_spans; // since the stretch began, or the last few minutes
    std::optional<std::int64_t> m_awayFrom;
    bool m_locked = false;
    std::int64_t m_lastIdle = 0;
    std::optional<AwayStretch> m_pending;
};
