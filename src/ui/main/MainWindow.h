#pragma once

#include "ui/common/WorkingWindow.h"

class QMenu;

// The simple window: one hourly wage, Start and Pause, the elapsed time and the
// total. It also carries the right-button popup menu both windows use.
class MainWindow final : public WorkingWindow
{
    Q_OBJECT

public:
    MainWindow(RunTimer& timer, Commands& commands);

    QMenu* hiddenMenu() const { return m_hiddenMenu; }

protected:
    void advancedClicked() override;

private:
    void createControls();

    QMenu* m_hiddenMenu = nullptr;
};
