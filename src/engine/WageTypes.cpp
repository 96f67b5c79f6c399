#include "engine/WageTypes.h"

#include "engine/Formats.h"
#include "engine/WageEntry.h"

WageTypes::WageTypes(const Settings& settings) : m_settings(settings) {}

std::string WageTypes::currentText() const
{
    return m_currentRate ? m_money->plainAmount(*m_currentRate) : std::string();
}

void WageTypes::setPeriod(PayPeriod period)
{
    m_period = period;
}

void WageTypes::setWorkingWeek(WorkingWeek week)
{
    m_week = week;
    changed.notify();
}

std::optional<Currency> WageTypes::convertPeriod(std::string_view amountText)
{
    m_selected = WageType::MyWage;
    const std::optional<Currency> amount = readWageLeniently(amountText);
    const CurrencyResult rate =
        amount ? hourlyRateFor(*amount, m_period, m_week) : CurrencyResult{{}, CurrencyError::Overflow};
    if (!rate.ok()) {
        changed.notify();
        return std::nullopt;
    }
    m_amountInForce = FormatWageEntry(amountText);
    m_periodInForce = m_period;
    return select(WageType::MyWage, rate.value);
}

Currency WageTypes::selectDream()
{
    return select(WageType::Dream, m_settings.DreamWage);
}

Currency WageTypes::selectMinimum()
{
    return select(WageType::Minimum, m_settings.MinimumWage);
}

Currency WageTypes::select(WageType type, Currency rate)
{
    m_selected = type;
    m_currentRate = rate;
    changed.notify();
    return rate;
}

std::optional<Currency> WageTypes::rateAtStart(std::string_view amountText)
{
    switch (m_selected) {
    case WageType::MyWage:
        return convertPeriod(amountText);
    case WageType::Minimum:
        return m_settings.MinimumWage;
    case WageType::Dream:
        return m_settings.DreamWage;
    }
    return std::nullopt;
}

std::optional<Currency> WageTypes::rateFor(std::string_view amountText) const
{
    if (m_selected == WageType::Minimum)
        return m_settings.MinimumWage;
    if (m_selected == WageType::Dream)
        return m_settings.DreamWage;
    const std::optional<Currency> amount = readWageLeniently(amountText);
    const CurrencyResult rate =
        amount ? hourlyRateFor(*amount, m_period, m_week) : CurrencyResult{{}, CurrencyError::Overflow};
    return rate.ok() ? std::optional(rate.value) : std::nullopt;
}

void WageTypes::resetForEntry(Currency hourlyWage)
{
    m_selected = WageType::MyWage;
    m_period = PayPeriod::Hourly;
    m_currentRate = hourlyWage;
    m_amountInForce = FormatWageEntry(hourlyWage);
    m_periodInForce = m_period;
    changed.notify();
}

void WageTypes::restore(WageType type, PayPeriod period, const std::string& amountText)
{
    m_selected = type;
    m_period = m_periodInForce = period;
    m_amountInForce = FormatWageEntry(amountText);
    changed.notify();
}

void WageTypes::restorePeriodInForce()
{
    m_period = m_periodInForce;
    changed.notify();
}

void WageTypes::showConfiguredRates()
{
    m_dreamCaption = "DREAM Wage  " + m_money->rate(m_settings.DreamWage);
    m_minimumCaption = "Minimum Wage  " + m_money->rate(m_settings.MinimumWage);
    changed.notify();
}
