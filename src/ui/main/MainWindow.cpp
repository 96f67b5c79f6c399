#include "ui/main/MainWindow.h"

#include "engine/RunTimer.h"
#include "ui/common/ClientArea.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WageEdit.h"
#include "ui/common/WindowMenus.h"
#include "ui/common/WindowParts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

MainWindow::MainWindow(RunTimer& timer, Commands& commands) : WorkingWindow(timer, commands, WindowId::Main)
{
    setObjectName(QStringLiteral("frmMain"));
    m_hiddenMenu = buildHiddenMenu(this, commands);
    m_area->setPopup(m_hiddenMenu);
    createControls();
}

void MainWindow::createControls()
{
    using namespace WindowParts;
    label(m_area, "Label1", tr("Elapsed Time"), 3360, 360, 975, 255, Qt::AlignHCenter);
    QLabel* seconds = readout(m_area, "lblSeconds", QStringLiteral("00:00:00"), 3360, 600, 975, 375, Qt::AlignHCenter);
    QLabel* totalLabel = total(m_area, 2280, 1200);
    QLabel* wageCaption = label(m_area, "lblGeneric1", tr("My Hourly &Wage: $"), 0, 600, 2175, 375, Qt::AlignRight);
    wageCaption->setFont(LegacyFont::sansSerif(12));

    auto* wage = new WageEdit(m_area);
    wage->setObjectName(QStringLiteral("txtWage"));
    wage->setGeometry(Twips::rect(2280, 600, 975, 375));
    wageCaption->setBuddy(wage);
    nameCurrencyIn(wageCaption);

    QPushButton* start = button(m_area, "cmdStart", tr("&START"), 120, 1200, 975, 495);
    QPushButton* pause = button(m_area, "cmdPause", tr("&PAUSE"), 1200, 1200, 975, 495);
    QCheckBox* advanced = checkBox(m_area, "chkAdvanced", tr("&Advanced Mode"), 120, 120, 1575, 255);
    line(m_area, "Line2", 1920, 240, 4320, 240);

    wage->setAccessibleName(tr("My hourly wage in dollars"));

    for (QWidget* source :
         {static_cast<QWidget*>(wageCaption), static_cast<QWidget*>(seconds), static_cast<QWidget*>(totalLabel)})
        m_area->addPopupSource(source);

    setTabOrder(wage, start);
    setTabOrder(start, pause);
    setTabOrder(pause, advanced);
    connectControls({seconds, totalLabel, wage, start, pause, advanced}, Twips::rect(0, 0, 4455, 1815).size());
}

void MainWindow::advancedClicked()
{
    m_timer.enterAdvanced();
}
