#include "engine/WageEntry.h"

#include <string>

std::optional<Currency> readWageLeniently(std::string_view text)
{
    const std::optional<std::int64_t> units = toUnits(readLeadingDecimal(text));
    if (!units)
        return std::nullopt;
    return Currency::fromUnits(*units);
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

Message wageRefusedMessage(std::string_view text)
{
    constexpr std::size_t shown = 40;
    std::string quoted(text.substr(0, shown));
    if (text.size() > shown)
        quoted += "...";
    return {"The wage \"" + quoted +
                "\" is too large to count with. Enter an amount below 922,337,203,685,477.58; the previous wage "
                "stays in force.",
            "Earnmeter", Message::Buttons::Ok, Message::Icon::Exclamation};
}
