#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

// Numbers as the desktop writes them and as the engine reads them. The engine
// reads ASCII digits with a point, the same under every locale; a box's text
// passes through here on its way in and out, so that "22,50" typed on a German
// desktop counts as 22.50 and is shown back as "22,50".
namespace LocalNumbers {

// The engine's form of a typed text. Decimal digits of any script become ASCII
// ("１２" and "١٢" are 12), and so do full-width signs and points. Under a
// locale whose decimal separator is not a point, its group separator before
// three digits is dropped and its decimal separator becomes a point:
// "1.234,50" in de_DE is "1234.50". Everything else stays as typed, for the
// engine's lenient reading to decide: "1,234.50" in en_US is still 1.
std::string toEngineText(const QString& typed, const QLocale& locale);

// An engine text as the locale writes it: "22.50" is "22,50" in de_DE.
QString toShownText(std::string_view engineText, const QLocale& locale);

// A grouped number of the engine's, "1,234.50", as the locale writes it:
// "1.234,50" in de_DE.
QString toShownGrouped(const QString& engineText, const QLocale& locale);

} // namespace LocalNumbers
