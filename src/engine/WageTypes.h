#pragma once

#include "engine/Notifier.h"
#include "engine/Prompt.h"
#include "engine/RunState.h"

#include <string>
#include <string_view>

enum class WageType
{
    MyWage,
    Dream,
    Minimum
};

// The advanced window's choice of rate: the user's own wage per pay period, or
// one of the two configured reference wages. Decides what goes into HourlyWage
// and what the current-rate label and the two option captions show.
class WageTypes final
{
public:
    WageTypes(RunState& state, Prompt& prompt);
    WageTypes(const WageTypes&) = delete;
    WageTypes& operator=(const WageTypes&) = delete;

    WageType selected() const { return m_selected; }
    const std::string& period() const { return m_period; }
    const std::string& currentText() const { return m_currentText; }
    const std::string& minimumCaption() const { return m_minimumCaption; }
    const std::string& dreamCaption() const { return m_dreamCaption; }

    void setPeriod(std::string period);

    // The period conversion of the amount typed per period (OK button, the My
    // Wage option and Start). False when the amount was refused as too large.
    bool ConvertPeriod(std::string_view amountText);
    void SelectDream();
    void SelectMinimum();

    // The rate Start uses: the conversion for My Wage, else the chosen reference
    // wage, without touching the current-rate label.
    bool ApplyAtStart(std::string_view amountText);

    // Entering advanced mode starts again from My Wage, hourly, at the rate in force.
    void ResetForEntry();

    // The option captions show the configured rates, e.g. "DREAM Wage  ($45.50)/hr".
    void ShowConfiguredRates();

    Notifier<> changed;

private:
    RunState& m_state;
    Prompt& m_prompt;
    WageType m_selected = WageType::MyWage;
    std::string m_period = "Hourly";
    std::string m_currentText;
    std::string m_minimumCaption = "&Minimum Wage";
    std::string m_dreamCaption = "&DREAM Wage";
};
