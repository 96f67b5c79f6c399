#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Days of the week numbered as ISO 8601 and Qt::DayOfWeek number them.
enum class Weekday
{
    Monday = 1,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    Sunday
};

// A day of the civil calendar, from 0001-01-01 to 9999-12-31, so that its
// text is always the ten characters YYYY-MM-DD and sorts as the dates do.
class Date final
{
public:
    // 1970-01-01, day number 0.
    constexpr Date() = default;

    static std::optional<Date> fromCivil(int year, int month, int day);
    // Exactly "YYYY-MM-DD" of a date that exists: "2026-2-3", "2026-02-30" and
    // "2026-02-03 " are refused.
    static std::optional<Date> parse(std::string_view text);
    // Days since 1970-01-01; beyond the range the first or last date.
    static Date fromDayNumber(std::int64_t days);
    static Date first();
    static Date last();

    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    std::int64_t dayNumber() const;
    std::string text() const;
    Weekday weekday() const;

    // Held at the first or last date when the sum leaves the range.
    Date addDays(std::int64_t days) const;
    // The latest date not after this one that falls on the given first day of the week.
    Date startOfWeek(Weekday firstDay) const;
    Date startOfMonth() const { return Date(m_year, m_month, 1); }
    Date startOfYear() const { return Date(m_year, 1, 1); }

    friend constexpr auto operator<=>(const Date&, const Date&) = default;

private:
    constexpr Date(int year, int month, int day) : m_year(year), m_month(month), m_day(day) {}

    // Compared in this order: year, month, day.
    int m_year = 1970;
    int m_month = 1;
    int m_day = 1;
};
