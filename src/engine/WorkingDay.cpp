#include "engine/WorkingDay.h"

#include "engine/Translatable.h"

#include <charconv>

namespace {

bool digitsOnly(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int number(std::string_view digits)
{
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

} // namespace

std::string ClockTime::text() const
{
    const auto two = [](int value) {
        return std::string(value < 10 ? "0" : "") + std::to_string(value);
    };
    return two(minutes / 60) + ":" + two(minutes % 60);
}

std::optional<ClockTime> ClockTime::parse(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2)
        return std::nullopt;
    const std::string_view hours = text.substr(0, colon), minutes = text.substr(colon + 1);
    if (!digitsOnly(hours) || !digitsOnly(minutes) || minutes.size() != 2)
        return std::nullopt;
    const int h = number(hours), m = number(minutes);
    if (h > 23 || m > 59)
        return std::nullopt;
    return ClockTime{h * 60 + m};
}

std::optional<WorkingDay::Problem> WorkingDay::problem() const
{
    if (start.has_value() != end.has_value())
        return start ? Problem{"work_start", translatable("Messages", "matched by a work_end")}
                     : Problem{"work_end", translatable("Messages", "matched by a work_start")};
    if (start && *end <= *start)
        //: %1 is the start of the working day: "after work_start (09:00)".
        return Problem{"work_end", translatable("Messages", "after work_start (%1)"), start->text()};
    if (lunch && lunch->to <= lunch->from)
        return Problem{"break", translatable("Messages", "a break that ends after it begins")};
    if (lunch && !start)
        return Problem{"break", translatable("Messages", "within a working day (work_start and work_end)")};
    if (lunch && (lunch->from <= *start || lunch->to >= *end))
        //: %1 is the working day: "within the working day (09:00-17:00)".
        return Problem{"break", translatable("Messages", "within the working day (%1)"),
                       start->text() + "-" + end->text()};
    return std::nullopt;
}

std::string_view weekdayName(Weekday day)
{
    static constexpr std::array<std::string_view, 7> names = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return names[static_cast<std::size_t>(day) - 1];
}
