#include "storage/PreferenceKeys.h"

#include "engine/Decimal.h"
#include "engine/Translatable.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// What each key takes, in words the messages translate.
//: What a line of the preferences file should say: "x = "y" is not %3".
constexpr const char* YesOrNo = translatable("Messages", "yes or no");

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// "yes" and "no", and the other words people write for them.
constexpr std::string_view WageAndDayGroup = "Wage and day";
constexpr std::string_view WorkingDayGroup = "Working day";
constexpr std::string_view AwayGroup = "Away";
constexpr std::string_view MoneyGroup = "Money";
constexpr std::string_view WorkingWeekGroup = "Working week";
constexpr int LongestAway = 1440; // a day, in minutes

constexpr std::array<Weekday, 7> AllWeekdays = {Weekday::Monday,   Weekday::Tuesday, Weekday::Wednesday,
                                                Weekday::Thursday, Weekday::Friday,  Weekday::Saturday,
                                                Weekday::Sunday};

bool readSwitch(std::string_view value, bool& into)
{
    const std::string word = lowered(value);
    for (const char* on : {"yes", "true", "on", "1"})
        if (word == on)
            return into = true, true;
    for (const char* off : {"no", "false", "off", "0"})
        if (word == off)
            return into = false, true;
    return false;
}

std::string switchText(bool on)
{
    return on ? "yes" : "no";
}

constexpr std::array<std::pair<NewDay, std::string_view>, 3> NewDayWords = {
    {{NewDay::Ask, "ask"}, {NewDay::Continue, "continue"}, {NewDay::Zero, "zero"}}};

// A key that takes one of a few words, each standing for one value.
template <typename Value, std::size_t N> using Words = std::array<std::pair<Value, std::string_view>, N>;

template <typename Value, std::size_t N>
bool readWord(std::string_view value, const Words<Value, N>& words, Value& into)
{
    const std::string word = lowered(value);
    for (const auto& [meaning, text] : words)
        if (word == text)
            return into = meaning, true;
    return false;
}

template <typename Value, std::size_t N> std::string wordText(Value value, const Words<Value, N>& words)
{
    for (const auto& [meaning, text] : words)
        if (meaning == value)
            return std::string(text);
    return std::string(words.front().second);
}

bool readNewDay(std::string_view value, Preferences& into)
{
    return readWord(value, NewDayWords, into.newDay);
}

std::string newDayText(const Preferences& from)
{
    return wordText(from.newDay, NewDayWords);
}

constexpr std::array<std::pair<AwayAction, std::string_view>, 3> AwayWords = {
    {{AwayAction::Ask, "ask"}, {AwayAction::Keep, "keep"}, {AwayAction::Remove, "remove"}}};

bool readAwayAction(std::string_view value, Preferences& into)
{
    return readWord(value, AwayWords, into.awayAction);
}

std::string awayActionText(const Preferences& from)
{
    return wordText(from.awayAction, AwayWords);
}

bool readAwayMinutes(std::string_view value, Preferences& into)
{
    if (value.empty() || value.size() > 4 ||
        !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int minutes = std::stoi(std::string(value));
    return minutes <= LongestAway && (into.awayMinutes = minutes, true);
}

std::string awayMinutesText(const Preferences& from)
{
    return std::to_string(from.awayMinutes);
}

// Hours above 0 and up to a whole day, with at most two decimals: what the
// Preferences window can show again unchanged.
bool readHoursPerDay(std::string_view value, Preferences& into)
{
    const std::optional<Decimal> hours = readPlainDecimal(value);
    if (!hours || hours->negative || hours->digits.empty())
        return false;
    const std::size_t zeros = hours->digits.size() - 1 - hours->digits.find_last_not_of('0');
    if (hours->scale + static_cast<std::int64_t>(zeros) < -2)
        return false;
    const double read = toDouble(*hours);
    return read <= 24 && (into.workingWeek.hoursPerDay = read, true);
}

std::string hoursPerDayText(const Preferences& from)
{
    return CurrencyText(CurrencyFromDouble(from.workingWeek.hoursPerDay).value);
}

bool readDaysPerWeek(std::string_view value, Preferences& into)
{
    if (value.size() != 1 || value[0] < '1' || value[0] > '7')
        return false;
    into.workingWeek.daysPerWeek = value[0] - '0';
    return true;
}

std::string daysPerWeekText(const Preferences& from)
{
    return std::to_string(from.workingWeek.daysPerWeek);
}

bool readWorkdays(std::string_view value, Preferences& into)
{
    std::array<bool, 7> days{};
    while (!(value = trimBlanks(value)).empty()) {
        const std::string_view word = value.substr(0, value.find_first_of(" \t"));
        value.remove_prefix(word.size());
        const auto day = std::find_if(AllWeekdays.begin(), AllWeekdays.end(),
                                      [&word](Weekday d) { return lowered(weekdayName(d)) == lowered(word); });
        if (day == AllWeekdays.end())
            return false;
        days[static_cast<std::size_t>(*day) - 1] = true;
    }
    into.workingDay.workdays = days;
    return true;
}

std::string workdaysText(const Preferences& from)
{
    std::string text;
    for (Weekday day : AllWeekdays)
        if (from.workingDay.isWorkday(day))
            text += (text.empty() ? "" : " ") + std::string(weekdayName(day));
    return text;
}

// An empty value is no time; anything else must be one.
bool readTime(std::string_view value, std::optional<ClockTime>& into)
{
    const std::optional<ClockTime> time = ClockTime::parse(value);
    if (!value.empty() && !time)
        return false;
    into = time;
    return true;
}

std::string timeText(const std::optional<ClockTime>& time)
{
    return time ? time->text() : std::string();
}

bool readBreak(std::string_view value, Preferences& into)
{
    if (value.empty())
        return into.workingDay.lunch.reset(), true;
    const std::size_t dash = value.find('-');
    if (dash == std::string_view::npos)
        return false;
    const auto from = ClockTime::parse(trimBlanks(value.substr(0, dash)));
    const auto to = ClockTime::parse(trimBlanks(value.substr(dash + 1)));
    if (!from || !to)
        return false;
    into.workingDay.lunch = TimeSpan{*from, *to};
    return true;
}

std::string breakText(const Preferences& from)
{
    const auto& lunch = from.workingDay.lunch;
    return lunch ? lunch->from.text() + "-" + lunch->to.text() : std::string();
}

// An amount with "." decimals, above zero; empty for none.
bool readGoal(std::string_view value, Preferences& into)
{
    if (value.empty())
        return into.dailyGoal.reset(), true;
    const CurrencyResult goal = CurrencyFromText(value);
    if (!goal.ok() || goal.value <= Currency{})
        return false;
    into.dailyGoal = goal.value;
    return true;
}

std::string goalText(const Preferences& from)
{
    return from.dailyGoal ? CurrencyText(*from.dailyGoal) : std::string();
}

// "$", "locale" in any case, or a code the program knows, kept in capitals.
bool readCurrency(std::string_view value, Preferences& into)
{
    if (const IsoCurrency* iso = findIsoCurrency(value))
        return into.currency = iso->code, true;
    if (value != DollarChoice && lowered(value) != LocaleChoice)
        return false;
    into.currency = lowered(value);
    return true;
}

std::string currencyText(const Preferences& from)
{
    return from.currency;
}

// A yes-or-no key for one member of the preferences.
template <auto Member> constexpr PreferenceKey switchKey(std::string_view name, std::string_view group)
{
    return {name, group, YesOrNo,
            [](std::string_view value, Preferences& into) { return readSwitch(value, into.*Member); },
            [](const Preferences& from) {
                return switchText(from.*Member);
            }};
}

template <auto Member> constexpr PreferenceKey timeKey(std::string_view name, std::string_view expected)
{
    return {name, WorkingDayGroup, expected,
            [](std::string_view value, Preferences& into) { return readTime(value, into.workingDay.*Member); },
            [](const Preferences& from) {
                return timeText(from.workingDay.*Member);
            }};
}

template <auto Member> constexpr PreferenceKey daySwitchKey(std::string_view name)
{
    return {name, WorkingDayGroup, YesOrNo,
            [](std::string_view value, Preferences& into) { return readSwitch(value, into.workingDay.*Member); },
            [](const Preferences& from) {
                return switchText(from.workingDay.*Member);
            }};
}

const std::array Keys = {
    switchKey<&Preferences::rememberWage>("remember_wage", WageAndDayGroup),
    PreferenceKey{"new_day", WageAndDayGroup, translatable("Messages", "ask, continue or zero"), readNewDay,
                  newDayText},
    PreferenceKey{"workdays", WorkingDayGroup, translatable("Messages", "day names such as Mon Tue Wed Thu Fri"),
                  readWorkdays, workdaysText},
    timeKey<&WorkingDay::start>("work_start", translatable("Messages", "a time such as 09:00, or nothing")),
    timeKey<&WorkingDay::end>("work_end", translatable("Messages", "a time such as 17:00, or nothing")),
    PreferenceKey{"break", WorkingDayGroup, translatable("Messages", "two times such as 12:00-12:30, or nothing"),
                  readBreak, breakText},
    daySwitchKey<&WorkingDay::autoStart>("work_auto_start"),
    daySwitchKey<&WorkingDay::autoPause>("work_auto_pause"),
    switchKey<&Preferences::startAtLogin>("start_at_login", WorkingDayGroup),
    PreferenceKey{"daily_goal", WorkingDayGroup,
                  translatable("Messages", "an amount above 0 such as 240.00, or nothing"), readGoal, goalText},
    switchKey<&Preferences::notifications>("notifications", WorkingDayGroup),
    PreferenceKey{"away_minutes", AwayGroup,
                  translatable("Messages", "a whole number of minutes from 0 (never) to 1440"), readAwayMinutes,
                  awayMinutesText},
    PreferenceKey{"away_action", AwayGroup, translatable("Messages", "ask, keep or remove"), readAwayAction,
                  awayActionText},
    PreferenceKey{"currency", MoneyGroup, translatable("Messages", "$, locale or a currency code such as EUR"),
                  readCurrency, currencyText},
    PreferenceKey{"hours_per_day", WorkingWeekGroup,
                  translatable("Messages", "hours above 0 up to 24, such as 8 or 7.5"), readHoursPerDay,
                  hoursPerDayText},
    PreferenceKey{"days_per_week", WorkingWeekGroup, translatable("Messages", "a whole number of days from 1 to 7"),
                  readDaysPerWeek, daysPerWeekText},
};

} // namespace

std::span<const PreferenceKey> preferenceKeys()
{
    return Keys;
}
