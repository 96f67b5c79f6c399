#include "storage/RecordReader.h"

#include <algorithm>
#include <string>

namespace {

// CR and LF end a field here, so only spaces and tabs are blanks around one.
bool isFieldBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t separatorPosition(std::string_view rest)
{
    return std::min(rest.find_first_of(",\r\n"), rest.size());
}

void skipBlanks(std::string_view& text)
{
    while (!text.empty() && isFieldBlank(text.front()))
        text.remove_prefix(1);
}

// Drops a comma, or a line end of CR LF, CR or LF, from the front.
void skipSeparator(std::string_view& rest)
{
    if (rest.empty())
        return;
    const bool crLf = rest.size() > 1 && rest[0] == '\r' && rest[1] == '\n';
    rest.remove_prefix(crLf ? 2 : 1);
}

std::string_view takeQuoted(std::string_view& rest)
{
    const std::size_t end = std::min(rest.find_first_of("\"\r\n", 1), rest.size());
    const std::string_view field = rest.substr(1, end - 1);
    rest.remove_prefix(end);
    if (!rest.empty() && rest.front() == '"')
        rest.remove_prefix(separatorPosition(rest));
    return field;
}

std::string_view takeUnquoted(std::string_view& rest)
{
    const std::size_t end = separatorPosition(rest);
    std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    while (!field.empty() && isFieldBlank(field.back()))
        field.remove_suffix(1);
    return field;
}

} // namespace

std::optional<std::string_view> RecordReader::nextText()
{
    skipBlanks(m_rest);
    if (m_rest.empty()) {
        m_problem = Problem::TooFewFields;
        return std::nullopt;
    }
    const std::string_view field = m_rest.front() == '"' ? takeQuoted(m_rest) : takeUnquoted(m_rest);
    skipSeparator(m_rest);
    m_problem = Problem::None;
    return field;
}

std::optional<std::int64_t> RecordReader::nextWhole(std::int64_t min, std::int64_t max)
{
    const auto field = nextText();
    if (!field)
        return std::nullopt;
    const auto value = roundedWhole(readFieldDecimal(*field), 0, Rounding::HalfToEven,
                                    0 - static_cast<std::uint64_t>(min), static_cast<std::uint64_t>(max));
    if (!value)
        m_problem = Problem::OutOfRange;
    return value;
}

std::string RecordReader::describeProblem(std::string_view field) const
{
    return m_problem == Problem::TooFewFields ? "Too few fields" : std::string(field) + " out of range";
}

std::optional<Currency> RecordReader::nextCurrency()
{
    const auto field = nextText();
    if (!field)
        return std::nullopt;
    const auto units = toUnits(readFieldDecimal(*field));
    if (!units) {
        m_problem = Problem::OutOfRange;
        return std::nullopt;
    }
    return Currency::fromUnits(*units);
}
