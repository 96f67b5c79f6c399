#pragma once

#include "ui/common/WorkingWindow.h"

class WageTypes;
class QComboBox;
class QMenu;
class QRadioButton;

// The advanced window: the same run as the simple window, priced by a wage type
// (the user's own wage per pay period, the DREAM wage or the minimum wage).
class AdvancedWindow final : public WorkingWindow
{
    Q_OBJECT

public:
    AdvancedWindow(RunTimer& timer, WageTypes& wageTypes, Commands& commands, QMenu* popup);

protected:
    void advancedClicked() override;
    static QString optionCaption(const std::string& caption);
    void refreshOwn() override;

private:
    void createControls();
    void createWageTypeControls();
    void createAmountControls();
    void convertPeriod();
    void showWorkingWeek();
    QString currentShown() const;

    WageTypes& m_wageTypes;
    WageEdit* m_wage = nullptr;
    QComboBox* m_period = nullptr;
    QLabel* m_current = nullptr;
    QRadioButton* m_myWage = nullptr;
    QRadioButton* m_dream = nullptr;
    QRadioButton* m_minimum = nullptr;
};
