#include "engine/Date.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

std::chrono::sys_days sysDays(int year, int month, int day)
{
    return std::chrono::sys_days(std::chrono::year_month_day(std::chrono::year(year),
                                                             std::chrono::month(static_cast<unsigned>(month)),
                                                             std::chrono::day(static_cast<unsigned>(day))));
}

// The value of a run of decimal digits, or -1 when any character is not one.
int digitsValue(std::string_view digits)
{
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

void appendPadded(std::string& text, int value, int width)
{
    std::string digits = std::to_string(value);
    text.append(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))), '0');
    text += digits;
}

} // namespace

std::optional<Date> Date::fromCivil(int year, int month, int day)
{
    if (year < FirstYear || year > LastYear || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const std::chrono::year_month_day civil(std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                            std::chrono::day(static_cast<unsigned>(day)));
    if (!civil.ok())
        return std::nullopt;
    return Date(year, month, day);
}

std::optional<Date> Date::parse(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const int year = digitsValue(text.substr(0, 4));
    const int month = digitsValue(text.substr(5, 2));
    const int day = digitsValue(text.substr(8, 2));
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    return fromCivil(year, month, day);
}

Date Date::fromDayNumber(std::int64_t days)
{
    days = std::clamp(days, first().dayNumber(), last().dayNumber());
    const std::chrono::year_month_day civil{std::chrono::sys_days(std::chrono::days(days))};
    return Date(static_cast<int>(civil.year()), static_cast<int>(static_cast<unsigned>(civil.month())),
                static_cast<int>(static_cast<unsigned>(civil.day())));
}

Date Date::first()
{
    return Date(FirstYear, 1, 1);
}

Date Date::last()
{
    return Date(LastYear, 12, 31);
}

std::int64_t Date::dayNumber() const
{
    return sysDays(m_year, m_month, m_day).time_since_epoch().count();
}

std::string Date::text() const
{
    std::string text;
    text.reserve(10);
    appendPadded(text, m_year, 4);
    text += '-';
    appendPadded(text, m_month, 2);
    text += '-';
    appendPadded(text, m_day, 2);
    return text;
}

Weekday Date::weekday() const
{
    return static_cast<Weekday>(std::chrono::weekday(sysDays(m_year, m_month, m_day)).iso_encoding());
}

Date Date::addDays(std::int64_t days) const
{
    // Far beyond any date: no sum can overflow once the step is held within it.
    constexpr std::int64_t span = 4'000'000;
    return fromDayNumber(dayNumber() + std::clamp(days, -span, span));
}

Date Date::startOfWeek(Weekday firstDay) const
{
    const int back = (static_cast<int>(weekday()) - static_cast<int>(firstDay) + 7) % 7;
    return addDays(-back);
}
