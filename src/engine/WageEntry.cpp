#include "engine/WageEntry.h"

#include "engine/Formats.h"

#include <string>

std::optional<Currency> readWageLeniently(std::string_view text)
{
    const std::optional<std::int64_t> units = toUnits(readLeadingDecimal(text));
    return units ? std::optional(Currency::fromUnits(*units)) : std::nullopt;
}

std::optional<Currency> readWageForStart(std::string_view text)
{
    const CurrencyResult strict = CurrencyFromText(text);
    if (strict.ok())
        return strict.value;
    if (strict.error == CurrencyError::InvalidNumber)
        return readWageLeniently(text);
    return std::nullopt;
}

Message wageRefusedMessage(std::string_view text, PayPeriod period, WorkingWeek week)
{
    constexpr std::size_t shown = 40;
    std::string quoted(text.substr(0, shown));
    if (text.size() > shown)
        quoted += "...";
    const std::string largest = formatGrouped(largestAmountFor(period, week));
    Message message{"The wage \"%1\" is too large to count with. Enter an amount of at most %2; the previous wage "
                    "stays in force.",
                    "Earnmeter",
                    Message::Buttons::Ok,
                    Message::Icon::Exclamation,
                    {},
                    {quoted, largest}};
    if (period != PayPeriod::Hourly) {
        message.text = "The wage \"%1\" is too large to count with. Enter an amount of at most %2 (%3); the previous "
                       "wage stays in force.";
        message.values.emplace_back(displayName(period));
    }
    return message;
}
