#include "storage/PreferenceKeys.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// "yes" and "no", and the other words people write for them.
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

bool readNewDay(std::string_view value, Preferences& into)
{
    const std::string word = lowered(value);
    for (const auto& [newDay, text] : NewDayWords)
        if (word == text)
            return into.newDay = newDay, true;
    return false;
}

std::string newDayText(const Preferences& from)
{
    for (const auto& [newDay, text] : NewDayWords)
        if (newDay == from.newDay)
            return std::string(text);
    return "ask";
}

constexpr std::array Keys = {
    PreferenceKey{"remember_wage", "Wage and day", "yes or no",
                  [](std::string_view value, Preferences& into) { return readSwitch(value, into.rememberWage); },
                  [](const Preferences& from) {
                      return switchText(from.rememberWage);
                  }},
    PreferenceKey{"new_day", "Wage and day", "ask, continue or zero", readNewDay, newDayText},
};

} // namespace

std::span<const PreferenceKey> preferenceKeys()
{
    return Keys;
}
