#include "engine/MeterStatus.h"

#include "engine/Formats.h"
#include "engine/HistoryFigures.h"

#include <cctype>
#include <vector>

namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string dollars(Currency amount)
{
    return "$" + FormatMoney(amount);
}

// The figures after the state word, as the windows word them.
std::string figures(const MeterStatus& status)
{
    return FormatElapsed(status.elapsedSeconds) + " " + dollars(status.total) + " (" + dollars(status.hourlyWage) +
           "/hr)";
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

std::string statusLine(const MeterStatus& status, const std::optional<TodayFigure>& today)
{
    std::string line = phaseName(status.phase) + " " + figures(status);
    if (today) {
        std::string text = todayText(*today, dollars(today->total.earned));
        text.front() = 't';
        line += ", " + text;
    }
    return line;
}

std::string statusJson(const MeterStatus& status, const std::optional<TodayFigure>& today)
{
    const std::string state = lowered(phaseName(status.phase));
    std::vector<std::string> members = {
        member("state", quoted(state)),
        member("elapsed", std::to_string(status.elapsedSeconds)),
        member("elapsedText", quoted(FormatElapsed(status.elapsedSeconds))),
        member("total", quoted(fourDecimals(status.total))),
        member("totalText", quoted(dollars(status.total))),
        member("hourlyWage", quoted(fourDecimals(status.hourlyWage))),
        member("mode", quoted(status.advanced ? "advanced" : "simple")),
    };
    if (today) {
        members.push_back(member("today", quoted(fourDecimals(today->total.earned))));
        members.push_back(member("todaySeconds", std::to_string(today->total.seconds)));
        members.push_back(member("todayText", quoted(todayText(*today, dollars(today->total.earned)))));
        members.push_back(member("todayComplete", today->complete ? "true" : "false"));
    }
    members.push_back(member("text", quoted(dollars(status.total) + " " + FormatElapsed(status.elapsedSeconds))));
    members.push_back(member("tooltip", quoted(statusLine(status, today))));
    members.push_back(member("class", quoted(state)));
    std::string json = "{";
    for (const std::string& m : members)
        json += (json.size() > 1 ? "," : "") + m;
    return json + "}";
}
