#include "ui/common/LocalNumbers.h"

namespace {

constexpr char32_t FullWidthFirst = 0xFF01, FullWidthLast = 0xFF5E, FullWidthOffset = 0xFEE0;

// What an input method of another script types for an ASCII character.
char32_t plain(char32_t c)
{
    if (QChar::isDigit(c))
        return U'0' + static_cast<char32_t>(QChar::digitValue(c));
    if (c >= FullWidthFirst && c <= FullWidthLast)
        return c - FullWidthOffset;
    return c;
}

bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// A group separator stands before exactly three digits.
bool beforeAGroup(const std::u32string& text, std::size_t at)
{
    for (std::size_t i = at + 1; i <= at + 3; ++i)
        if (i >= text.size() || !isAsciiDigit(text[i]))
            return false;
    return at + 4 >= text.size() || !isAsciiDigit(text[at + 4]);
}

// Where the locale groups with a space of any kind, people type any kind.
bool isGroupSeparator(char32_t c, const QString& separator)
{
    const char32_t own = separator.isEmpty() ? 0 : separator.front().unicode();
    return c == own || (QChar::isSpace(own) && QChar::isSpace(c));
}

char32_t firstOf(const QString& text)
{
    return text.isEmpty() ? 0 : text.toUcs4().front();
}

// The locale's decimal mark becomes a point; a group separator before a group of digits goes.
std::u32string withPlainMarks(const std::u32string& text, const QLocale& locale, char32_t decimal)
{
    std::u32string engine;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == decimal)
            engine += U'.';
        else if (!(isGroupSeparator(text[i], locale.groupSeparator()) && beforeAGroup(text, i)))
            engine += text[i];
    }
    return engine;
}

} // namespace

namespace LocalNumbers {

std::string toEngineText(const QString& typed, const QLocale& locale)
{
    std::u32string text = typed.toStdU32String();
    for (char32_t& c : text)
        c = plain(c);
    const char32_t decimal = firstOf(locale.decimalPoint());
    return QString::fromStdU32String(decimal == U'.' ? text : withPlainMarks(text, locale, decimal)).toStdString();
}

QString toShownText(std::string_view engineText, const QLocale& locale)
{
    QString shown = QString::fromUtf8(engineText.data(), static_cast<qsizetype>(engineText.size()));
    if (firstOf(locale.decimalPoint()) != U'.')
        shown.replace(QLatin1Char('.'), locale.decimalPoint());
    return shown;
}

QString toShownGrouped(const QString& engineText, const QLocale& locale)
{
    QString shown;
    for (const QChar c : engineText)
        shown += c == u',' ? locale.groupSeparator() : c == u'.' ? locale.decimalPoint() : QString(c);
    return shown;
}

} // namespace LocalNumbers
