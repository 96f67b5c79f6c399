#include "engine/MeterStatus.h"

#include "engine/Formats.h"
#include "engine/HistoryFigures.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The figures after the state word, as the windows word them.
std::string figures(const MeterStatus& status, const MoneyFormat& money)
{
    return FormatElapsed(status.elapsedSeconds) + " " + money.amount(status.total) + " (" +
           money.amount(status.hourlyWage) + "/hr)";
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string member(const char* name, const std::string& jsonValue)
{
    return quoted(name) + ":" + jsonValue;
}

} // namespace

std::string todayText(const TodayFigure& today, const std::string& money);
int goalPercent(Currency earned, Currency goal);

namespace {

void addDayMembers(const DayFigures& day, const MoneyFormat& money, std::vector<std::string>& members)
{
    const TodayFigure& today = day.today;
    members.push_back(member("today", quoted(fourDecimals(today.total.earned))));
    members.push_back(member("todaySeconds", std::to_string(today.total.seconds)));
    members.push_back(member("todayText", quoted(todayText(today, money.amount(today.total.earned)))));
    members.push_back(member("todayComplete", today.complete ? "true" : "false"));
    if (day.endsIn)
        members.push_back(member("dayEndsIn", std::to_string(*day.endsIn)));
    if (day.goal) {
        members.push_back(member("goal", quoted(fourDecimals(*day.goal))));
        members.push_back(member("goalPercent", std::to_string(goalPercent(today.total.earned, *day.goal))));
    }
    if (day.away)
        members.push_back(member("away", *day.away ? "true" : "false"));
}

} // namespace

MeterStatus MeterStatus::of(const RunTimer& timer)
{
    return {timer.phase(), timer.elapsedSeconds(), timer.totalEarned(), timer.hourlyWage(),
            timer.liveWindow() == WindowId::Advanced};
}

std::string phaseName(Phase phase)
{
    switch (phase) {
    case Phase::Running:
        return "Running";
    case Phase::Paused:
        return "Paused";
    case Phase::Idle:
        break;
    }
    return "Idle";
}

std::string fourDecimals(Currency amount)
{
    // The magnitude as unsigned, so the smallest amount has one too.
    const std::uint64_t magnitude =
        amount.units < 0 ? 0 - static_cast<std::uint64_t>(amount.units) : static_cast<std::uint64_t>(amount.units);
    std::string fraction = std::to_string(magnitude % Currency::UnitsPerDollar);
    fraction.insert(0, 4 - fraction.size(), '0');
    return (amount.units < 0 ? "-" : "") + std::to_string(magnitude / Currency::UnitsPerDollar) + "." + fraction;
}

std::string todayText(const TodayFigure& today, const std::string& money)
{
    return std::string(today.complete ? "Today " : "Today (without the history) ") + money + " in " +
           hoursText(today.total.seconds);
}

std::string dayProgressText(const DayFigures& day, const std::string& goal)
{
    std::string text;
    if (day.endsIn)
        text = "ends in " + hoursText(*day.endsIn);
    if (day.goal)
        text += (text.empty() ? "" : ", ") + std::to_string(goalPercent(day.today.total.earned, *day.goal)) +
                " % of today's goal " + goal;
    return text;
}

int goalPercent(Currency earned, Currency goal)
{
    if (earned.units <= 0 || goal.units <= 0)
        return 0;
    const __int128 percent = static_cast<__int128>(earned.units) * 100 / goal.units;
    return static_cast<int>(std::min<__int128>(percent, 1'000'000));
}

std::string statusLine(const MeterStatus& status, const std::optional<DayFigures>& day, const MoneyFormat& money)
{
    std::string line = phaseName(status.phase) + " " + figures(status, money);
    if (!day)
        return line;
    std::string today = todayText(day->today, money.amount(day->today.total.earned));
    today.front() = 't';
    line += ", " + today;
    if (const std::string progress = dayProgressText(*day, day->goal ? money.amount(*day->goal) : "");
        !progress.empty())
        line += ", " + progress;
    return line;
}

std::string statusJson(const MeterStatus& status, const std::optional<DayFigures>& day, const MoneyFormat& money)
{
    const std::string state = lowered(phaseName(status.phase));
    std::vector<std::string> members = {
        member("state", quoted(state)),
        member("elapsed", std::to_string(status.elapsedSeconds)),
        member("elapsedText", quoted(FormatElapsed(status.elapsedSeconds))),
        member("total", quoted(fourDecimals(status.total))),
        member("totalText", quoted(money.amount(status.total))),
        member("hourlyWage", quoted(fourDecimals(status.hourlyWage))),
        member("mode", quoted(status.advanced ? "advanced" : "simple")),
    };
    if (day)
        addDayMembers(*day, money, members);
    members.push_back(member("text", quoted(money.amount(status.total) + " " + FormatElapsed(status.elapsedSeconds))));
    members.push_back(member("tooltip", quoted(statusLine(status, day, money))));
    members.push_back(member("class", quoted(state)));
    std::string json = "{";
    for (const std::string& m : members)
        json += (json.size() > 1 ? "," : "") + m;
    return json + "}";
}
