#pragma once

#include "engine/Currency.h"
#include "engine/Money.h"
#include "engine/Notifier.h"
#include "engine/PayPeriod.h"
#include "engine/Settings.h"

#include <optional>
#include <string>
#include <string_view>

enum class WageType
{
    MyWage,
    Dream,
    Minimum
};

// The advanced window's choice of rate: the user's own wage per pay period, or
// one of the two configured reference wages. It works out the rate each choice
// gives and what the current-rate label and the two option captions show; the
// run timer puts the rate in force.
class WageTypes final
{
public:
    explicit WageTypes(const Settings& settings);
    WageTypes(const WageTypes&) = delete;
    WageTypes& operator=(const WageTypes&) = delete;

    WageType selected() const { return m_selected; }
    PayPeriod period() const { return m_period; }
    // The rate chosen last, as the money is written; empty until one is chosen.
    std::string currentText() const;
    const std::string& minimumCaption() const { return m_minimumCaption; }
    const std::string& dreamCaption() const { return m_dreamCaption; }
    // The amount per period behind the rate in force, as the box showed it: a
    // refused amount gives way to it.
    const std::string& amountInForce() const { return m_amountInForce; }
    // After a refusal the period goes back to the one the rate in force came from.
    void restorePeriodInForce();

    void setPeriod(PayPeriod period);
    // The hours the periods are converted on, from the preferences.
    const WorkingWeek& workingWeek() const { return m_week; }
    void setWorkingWeek(WorkingWeek week);

    // The period conversion of the amount typed per period (OK button, the My
    // Wage option and Start); nothing when the amount or its conversion is
    // beyond the money range.
    std::optional<Currency> convertPeriod(std::string_view amountText);
    Currency selectDream();
    Currency selectMinimum();

    // The rate Start uses: the conversion for My Wage, else the chosen reference
    // wage as configured now, without touching the current-rate label.
    std::optional<Currency> rateAtStart(std::string_view amountText);
    // The same, without choosing anything: what Start would count at.
    std::optional<Currency> rateFor(std::string_view amountText) const;

    // Entering advanced mode starts again from My Wage, hourly, at the rate in force.
    void resetForEntry(Currency hourlyWage);
    // Start-up puts back the type and period the last run left, with the amount
    // its box showed; no rate is in force until Start.
    void restore(WageType type, PayPeriod period, const std::string& amountText);

    // The option captions show the configured rates, e.g. "DREAM Wage  ($45.50)/hr".
    void showConfiguredRates();
    // The currency the label and captions are written in; the host calls
    // showConfiguredRates() after a change.
    void setMoney(const MoneyFormat& money) { m_money = &money; }

    Notifier<> changed;

private:
    Currency select(WageType type, Currency rate);

    const Settings& m_settings;
    WageType m_selected = WageType::MyWage;
    PayPeriod m_period = PayPeriod::Hourly;
    const MoneyFormat* m_money = &dollarMoney();
    std::optional<Currency> m_currentRate;
    WorkingWeek m_week;
    std::string m_amountInForce = "0.00";
    PayPeriod m_periodInForce = PayPeriod::Hourly;
    std::string m_minimumCaption = "&Minimum Wage";
    std::string m_dreamCaption = "&DREAM Wage";
};
