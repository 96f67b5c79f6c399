#pragma once

#include "engine/Money.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <optional>
#include <string_view>

// The currency of the preferences, written as the locale writes money, with
// its symbol, separators and decimals: "1.234,50 €" in a German desktop with
// EUR, "¥1,235" in an American one with JPY. The default, "$", writes dollars
// as the program always has.
class ChosenMoney final : public MoneyFormat
{
    Q_DECLARE_TR_FUNCTIONS(ChosenMoney)

public:
    explicit ChosenMoney(QLocale locale = QLocale::system());

    // DollarChoice, LocaleChoice or a code of isoCurrencies(); anything else,
    // and the region's currency of a locale without one, is dollars.
    void choose(std::string_view currency);
    bool dollars() const { return !m_currency; }
    // What the wage boxes' captions name: "$" or the chosen currency's symbol.
    QString symbol() const { return m_currency ? m_currency->symbol : QStringLiteral("$"); }

    std::string amount(Currency value) const override;
    std::string plainAmount(Currency value) const override;
    std::string rate(Currency value) const override;
    // The tray tooltip's amount: dollars in the regional currency format, as
    // it always was, or the chosen currency.
    QString trayAmount(Currency value) const;

    struct Written
    {
        QString symbol;
        int digits = 2;
    };

private:
    QString written(Currency value) const;

    QLocale m_locale;
    std::optional<Written> m_currency; // nothing for dollars
};
