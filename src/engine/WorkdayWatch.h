#pragma once

#include "engine/Clock.h"
#include "engine/RunTimer.h"
#include "engine/WorkingDay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the working day asks of the program at one of its edges.
struct DayStep
{
    enum class Kind
    {
        StartMeter,  // start counting, and tell the user so
        PauseMeter,  // pause, and tell
        ResumeMeter, // start again after the break that paused it, and tell
        OfferStart,  // tell, offering to start
        Tell,        // only tell: the meter goes on as it is
    };

    // The edge of the day it answers, and its time, for the words in other languages.
    enum class Moment
    {
        DayBegins,
        BreakBegins,
        BreakEnds,
        DayEnds,
    };

    Kind kind = Kind::Tell;
    std::string text; // the notification, in English
    Moment moment = Moment::DayBegins;
    std::string at; // "09:00"

    friend bool operator==(const DayStep&, const DayStep&) = default;
};

// Follows the working day on the wall clock: the start, the break's start and
// end, and the end. Each edge is acted on at most once a day: the start at the
// first look within working time (never once the day has ended, nor during the
// break), the others when the clock has passed them since the last look, and
// of several passed unseen (a machine asleep) only the latest. So a skipped or
// repeated hour and a clock set back do no more than that.
class WorkdayWatch final
{
public:
    explicit WorkdayWatch(const Clock& clock);

    void setDay(const WorkingDay& day);
    const WorkingDay& day() const { return m_day; }

    // What is due now, for a meter in this phase; called on every counted
    // second and whenever the time of nextEdgeIn() has come.
    std::vector<DayStep> check(Phase phase);
    // The seconds of wall-clock time to the next edge, or to midnight when none
    // is left today; nothing without a working day.
    std::optional<std::int64_t> nextEdgeIn() const;
    // While the meter runs within the working day: the seconds to its end.
    std::optional<std::int64_t> endsIn(Phase phase) const;

private:
    enum Edge
    {
        Start,
        BreakStart,
        BreakEnd,
        End,
        Edges
    };

    bool todayIsWorkday(const ClockReading& now) const;
    bool inWorkingTime(int second) const;
    std::optional<DayStep> act(Edge edge, Phase phase, const std::string& now);
    std::optional<int> edgeSecond(Edge edge) const;

    const Clock& m_clock;
    WorkingDay m_day;
    std::optional<ClockReading> m_last; // the last look
    Date m_doneOn;                      // the day the edges in m_done belong to
    std::array<bool, Edges> m_done{};
    bool m_breakPaused = false; // the break paused the meter, so its end starts it again
};
