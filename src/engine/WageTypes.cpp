#include "engine/WageTypes.h"

#include "engine/Formats.h"
#include "engine/PayPeriod.h"
#include "engine/WageEntry.h"

WageTypes::WageTypes(RunState& state, Prompt& prompt) : m_state(state), m_prompt(prompt) {}

void WageTypes::setPeriod(std::string period)
{
    m_period = std::move(period);
}

bool WageTypes::ConvertPeriod(std::string_view amountText)
{
    m_selected = WageType::MyWage;
    const std::optional<Currency> amount = ReadWageLeniently(amountText);
    const CurrencyResult rate = amount ? HourlyRateFor(*amount, m_period) : CurrencyResult{{}, CurrencyError::Overflow};
    if (!rate.ok()) {
        changed.notify();
        m_prompt.ask(WageRefusedMessage(amountText));
        return false;
    }
    m_state.HourlyWage = rate.value;
    m_currentText = FormatMoney(m_state.HourlyWage);
    changed.notify();
    return true;
}

void WageTypes::SelectDream()
{
    m_selected = WageType::Dream;
    m_state.HourlyWage = m_state.DreamWage;
    m_currentText = FormatMoney(m_state.HourlyWage);
    changed.notify();
}

void WageTypes::SelectMinimum()
{
    m_selected = WageType::Minimum;
    m_state.HourlyWage = m_state.MinimumWage;
    m_currentText = FormatMoney(m_state.HourlyWage);
    changed.notify();
}

bool WageTypes::ApplyAtStart(std::string_view amountText)
{
    switch (m_selected) {
    case WageType::MyWage:
        return ConvertPeriod(amountText);
    case WageType::Minimum:
        m_state.HourlyWage = m_state.MinimumWage;
        return true;
    case WageType::Dream:
        m_state.HourlyWage = m_state.DreamWage;
        return true;
    }
    return true;
}

void WageTypes::ResetForEntry()
{
    m_selected = WageType::MyWage;
    m_period = "Hourly";
    m_currentText = FormatMoney(m_state.HourlyWage);
    changed.notify();
}

void WageTypes::ShowConfiguredRates()
{
    m_dreamCaption = "DREAM Wage  " + FormatRate(m_state.DreamWage);
    m_minimumCaption = "Minimum Wage  " + FormatRate(m_state.MinimumWage);
    changed.notify();
}
