#include "host/ChosenMoney.h"

namespace {

// The region's own currency, with the table's decimals where it knows the code.
std::optional<ChosenMoney::Written> regional(const QLocale& locale)
{
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (symbol.isEmpty())
        return std::nullopt;
    const IsoCurrency* iso = findIsoCurrency(locale.currencySymbol(QLocale::CurrencyIsoCode).toStdString());
    return ChosenMoney::Written{symbol, iso ? iso->digits : 2};
}

// The locale's own symbol for its own currency ("$" for CAD in Canada), else the table's.
std::optional<ChosenMoney::Written> coded(const QLocale& locale, std::string_view code)
{
    const IsoCurrency* iso = findIsoCurrency(code);
    if (iso == nullptr)
        return std::nullopt;
    const bool own = locale.currencySymbol(QLocale::CurrencyIsoCode).toStdString() == iso->code;
    return ChosenMoney::Written{own ? locale.currencySymbol()
                                    : QString::fromUtf8(iso->symbol.data(), static_cast<qsizetype>(iso->symbol.size())),
                                iso->digits};
}

} // namespace

ChosenMoney::ChosenMoney(QLocale locale) : m_locale(std::move(locale)) {}

void ChosenMoney::choose(std::string_view currency)
{
    m_currency = currency == LocaleChoice ? regional(m_locale) : coded(m_locale, currency);
}

QString ChosenMoney::written(Currency value) const
{
    const double rounded = CurrencyAsDouble(roundedToDigits(value, m_currency->digits));
    return m_locale.toCurrencyString(rounded, m_currency->symbol, m_currency->digits);
}

std::string ChosenMoney::amount(Currency value) const
{
    return m_currency ? written(value).toStdString() : MoneyFormat::amount(value);
}

std::string ChosenMoney::plainAmount(Currency value) const
{
    return m_currency ? written(value).toStdString() : MoneyFormat::plainAmount(value);
}

std::string ChosenMoney::rate(Currency value) const
{
    //: A configured hourly rate in the advanced window's option captions: "(12,50 €)/hr".
    const QString perHour = tr("(%1)/hr");
    if (m_currency)
        return perHour.arg(written(value)).toStdString();
    // Dollars as they always were, "-($6.75)/hr", with only the words translated.
    const std::string dollars = MoneyFormat::rate(value);
    const std::size_t open = dollars.find('('), close = dollars.rfind(')');
    return dollars.substr(0, open) +
           perHour.arg(QString::fromStdString(dollars.substr(open + 1, close - open - 1))).toStdString();
}

QString ChosenMoney::trayAmount(Currency value) const
{
    return m_currency ? written(value) : m_locale.toCurrencyString(CurrencyAsDouble(value));
}
