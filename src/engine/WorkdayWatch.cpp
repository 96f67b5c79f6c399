#include "engine/WorkdayWatch.h"

namespace {

constexpr int Day = 86400;

DayStep step(DayStep::Kind kind, std::string text, DayStep::Moment moment, std::string at)
{
    return {kind, std::move(text), moment, std::move(at)};
}

} // namespace

WorkdayWatch::WorkdayWatch(const Clock& clock) : m_clock(clock) {}

void WorkdayWatch::setDay(const WorkingDay& day)
{
    m_day = day;
}

bool WorkdayWatch::todayIsWorkday(const ClockReading& now) const
{
    return m_day.isSet() && m_day.isWorkday(now.localDate.weekday());
}

bool WorkdayWatch::inWorkingTime(int second) const
{
    const bool inBreak = m_day.lunch && second >= m_day.lunch->from.seconds() && second < m_day.lunch->to.seconds();
    return second >= m_day.start->seconds() && second < m_day.end->seconds() && !inBreak;
}

std::optional<int> WorkdayWatch::edgeSecond(Edge edge) const
{
    switch (edge) {
    case Start:
        return m_day.start->seconds();
    case BreakStart:
        return m_day.lunch ? std::optional(m_day.lunch->from.seconds()) : std::nullopt;
    case BreakEnd:
        return m_day.lunch ? std::optional(m_day.lunch->to.seconds()) : std::nullopt;
    case End:
    case Edges:
        break;
    }
    return m_day.end->seconds();
}

std::vector<DayStep> WorkdayWatch::check(Phase phase)
{
    const ClockReading now = m_clock.now();
    const std::optional<ClockReading> last = std::exchange(m_last, now);
    if (m_doneOn != now.localDate)
        m_doneOn = now.localDate, m_done.fill(false), m_breakPaused = false;
    if (!todayIsWorkday(now))
        return {};
    // Passed since the last look today; at the first look of a day, all before now.
    const int since = last && last->localDate == now.localDate ? last->localSecondOfDay : -1;
    const std::string time = ClockTime{now.localSecondOfDay / 60}.text();
    std::vector<DayStep> steps;
    if (inWorkingTime(now.localSecondOfDay) && !std::exchange(m_done[Start], true))
        if (const std::optional<DayStep> s = act(Start, phase, time))
            steps.push_back(*s);
    // Of the edges passed unseen (asleep, or before the program looked), only the
    // latest says how things stand now.
    std::optional<Edge> latest;
    for (Edge edge : {BreakStart, BreakEnd, End}) {
        const std::optional<int> at = edgeSecond(edge);
        if (at && since < *at && *at <= now.localSecondOfDay && !std::exchange(m_done[edge], true))
            latest = edge;
    }
    if (latest)
        if (const std::optional<DayStep> s = act(*latest, phase, time))
            steps.push_back(*s);
    return steps;
}

std::optional<DayStep> WorkdayWatch::act(Edge edge, Phase phase, const std::string& now)
{
    using Kind = DayStep::Kind;
    using Moment = DayStep::Moment;
    const bool running = phase == Phase::Running;
    const std::string from = m_day.lunch ? m_day.lunch->from.text() : std::string();
    const std::string to = m_day.lunch ? m_day.lunch->to.text() : std::string();
    switch (edge) {
    case Start:
        if (running)
            return std::nullopt;
        if (m_day.autoStart)
            return step(Kind::StartMeter, "It is " + now + ": Earnmeter started counting your working day.",
                        Moment::DayBegins, now);
        return step(Kind::OfferStart, "It is " + now + ": start Earnmeter?", Moment::DayBegins, now);
    case BreakStart:
        if (!running)
            return std::nullopt;
        if (!m_day.autoPause)
            return step(Kind::Tell, "Your break began at " + from + ". Earnmeter is still counting.",
                        Moment::BreakBegins, from);
        m_breakPaused = true;
        return step(Kind::PauseMeter, "Your break began at " + from + ": Earnmeter paused.", Moment::BreakBegins, from);
    case BreakEnd:
        if (!std::exchange(m_breakPaused, false) || phase != Phase::Paused)
            return std::nullopt;
        return step(Kind::ResumeMeter, "Your break ended at " + to + ": Earnmeter counts again.", Moment::BreakEnds,
                    to);
    case End:
    case Edges:
        break;
    }
    if (!running)
        return std::nullopt;
    const std::string end = m_day.end->text();
    if (!m_day.autoPause)
        return step(Kind::Tell, "Your working day ended at " + end + ". Earnmeter is still counting.", Moment::DayEnds,
                    end);
    return step(Kind::PauseMeter, "Your working day ended at " + end + ": Earnmeter paused.", Moment::DayEnds, end);
}

std::optional<std::int64_t> WorkdayWatch::nextEdgeIn() const
{
    if (!m_day.isSet())
        return std::nullopt;
    const ClockReading now = m_clock.now();
    std::optional<int> next;
    if (todayIsWorkday(now))
        for (Edge edge : {Start, BreakStart, BreakEnd, End})
            if (const std::optional<int> at = edgeSecond(edge); at && *at > now.localSecondOfDay)
                next = std::min(next.value_or(*at), *at);
    return next.value_or(Day) - now.localSecondOfDay;
}

std::optional<std::int64_t> WorkdayWatch::endsIn(Phase phase) const
{
    const ClockReading now = m_clock.now();
    if (phase != Phase::Running || !todayIsWorkday(now))
        return std::nullopt;
    const int second = now.localSecondOfDay;
    if (second < m_day.start->seconds() || second >= m_day.end->seconds())
        return std::nullopt;
    return m_day.end->seconds() - second;
}
