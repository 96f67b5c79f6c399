#include "ui/advanced/AdvancedWindow.h"

#include "engine/PayPeriod.h"
#include "engine/RunTimer.h"
#include "engine/WageTypes.h"
#include "ui/common/AccessibleComboBox.h"
#include "ui/common/ClientArea.h"
#include "ui/common/Cursors.h"
#include "ui/common/EngineWords.h"
#include "ui/common/FittedText.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/LocalNumbers.h"
#include "ui/common/Twips.h"
#include "ui/common/WageEdit.h"
#include "ui/common/WindowParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption, int top, int width, int height)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    option->setGeometry(Twips::rect(360, top, width, height));
    option->setCursor(Cursors::hand());
    return option;
}

} // namespace

AdvancedWindow::AdvancedWindow(RunTimer& timer, WageTypes& wageTypes, Commands& commands, QMenu* popup)
    : WorkingWindow(timer, commands, WindowId::Advanced), m_wageTypes(wageTypes)
{
    setObjectName(QStringLiteral("frmAdvanced"));
    m_area->setPopup(popup);
    m_area->setFont(LegacyFont::sansSerif(9.75));
    createControls();
    m_wageTypes.changed.subscribe([this] { refreshOwn(); });
}

void AdvancedWindow::createWageTypeControls()
{
    auto* frame = new QFrame(m_area);
    frame->setObjectName(QStringLiteral("fraWageType"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(Twips::rect(240, 360, 3135, 1215));
    m_minimum = optionButton(m_area, "optMinWage", optionCaption(m_wageTypes.minimumCaption()), 360, 2895, 355);
    m_dream = optionButton(m_area, "optMaxWage", optionCaption(m_wageTypes.dreamCaption()), 720, 2895, 375);
    m_myWage = optionButton(m_area, "optRegWage", tr("My &Wage $"), 1080, 1335, 375);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* option : {m_minimum, m_dream, m_myWage})
        group->addButton(option);
    m_myWage->setChecked(true);
    // The reference wages are read by their captions, which show the configured rates.
    m_myWage->setAccessibleName(tr("My wage per pay period"));
    nameCurrencyIn(m_myWage);
    connect(m_myWage, &QRadioButton::clicked, this, &AdvancedWindow::convertPeriod);
    connect(m_dream, &QRadioButton::clicked, this, [this] { m_timer.chooseDream(); });
    connect(m_minimum, &QRadioButton::clicked, this, [this] { m_timer.chooseMinimum(); });
    createAmountControls();
}

// The amount per period and the period it is paid for.
void AdvancedWindow::createAmountControls()
{
    m_wage = new WageEdit(m_area);
    m_wage->setObjectName(QStringLiteral("txtWage"));
    m_wage->setGeometry(Twips::rect(1800, 1080, 975, 315));
    m_wage->setAlignment(Qt::AlignRight);
    m_wage->setAccessibleName(tr("My wage amount in dollars"));
    QAccessible::installFactory(AccessibleComboBox::factory);
    m_period = new QComboBox(m_area);
    m_period->setObjectName(QStringLiteral("cboPeriod"));
    m_period->setGeometry(Twips::rect(2880, 1080, 1465, 315));
    m_period->setCursor(Cursors::hand());
    m_period->setAccessibleName(tr("Pay period"));
    for (const PayPeriod period : PayPeriods)
        m_period->addItem(payPeriodName(period));
    FittedText::fitEntries(m_period, WindowParts::ReadoutPoints);
    showWorkingWeek();
    connect(m_period, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_wageTypes.setPeriod(PayPeriods.at(static_cast<std::size_t>(index)));
    });
}

void AdvancedWindow::createControls()
{
    using namespace WindowParts;
    createWageTypeControls();
    QPushButton* periodOk = button(m_area, "cmdPeriodOK", tr("O&K"), 3960, 1440, 375, 300);
    QPushButton* start = button(m_area, "cmdStart", tr("&START"), 120, 2520, 975, 495);
    QPushButton* pause = button(m_area, "cmdPause", tr("&PAUSE"), 1200, 2520, 975, 495);
    QCheckBox* advanced = checkBox(m_area, "chkAdvanced", tr("&Advanced Mode"), 120, 120, 1695, 255);
    label(m_area, "Label2", tr("Current Wage"), 900, 1680, 1095, 255, Qt::AlignHCenter);
    m_current = readout(m_area, "lblCurrent", QString(), 960, 1920, 975, 375, Qt::AlignRight);
    QLabel* times = label(m_area, "Label5", QStringLiteral("X"), 2040, 1920, 375, 255, Qt::AlignHCenter);
    times->setFont(LegacyFont::sansSerif(9.75, true));
    label(m_area, "Label1", tr("Elapsed Time"), 2520, 1680, 975, 255, Qt::AlignHCenter);
    QLabel* seconds = readout(m_area, "lblSeconds", QStringLiteral("00:00:00"), 2520, 1920, 975, 375, Qt::AlignHCenter);
    QLabel* totalLabel = total(m_area, 2280, 2520);
    line(m_area, "Line1", 120, 2280, 720, 2280);
    line(m_area, "Line2", 120, 2280, 120, 1800);
    line(m_area, "Line3", 1920, 240, 4320, 240);
    line(m_area, "Line4", 4320, 840, 4320, 240);

    connect(periodOk, &QPushButton::clicked, this, &AdvancedWindow::convertPeriod);
    periodOk->setAccessibleName(tr("Convert the pay period"));
    m_current->setAccessibleDescription(tr("Current hourly wage"));

    for (QWidget* source :
         {static_cast<QWidget*>(totalLabel), static_cast<QWidget*>(m_dream), static_cast<QWidget*>(m_minimum)})
        m_area->addPopupSource(source);

    QWidget* order[] = {m_wage, m_period, periodOk, start, pause, advanced, m_minimum, m_dream, m_myWage};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connectControls({seconds, totalLabel, m_wage, start, pause, advanced}, Twips::rect(0, 0, 4470, 3075).size());
}

void AdvancedWindow::convertPeriod()
{
    const bool wasMyWage = m_wageTypes.selected() == WageType::MyWage;
    m_timer.convertPeriod();
    if (!wasMyWage || sender() == m_myWage)
        m_wage->setFocus(Qt::OtherFocusReason);
}

// Dollars, "36.00", are written as the wage box writes them: "36,00" on a
// German desktop; a chosen currency comes written by the locale already.
QString AdvancedWindow::currentShown() const
{
    const std::string current = m_wageTypes.currentText();
    const bool plain = current.find_first_not_of("-0123456789.") == std::string::npos;
    return plain ? LocalNumbers::toShownText(current, locale()) : QString::fromStdString(current);
}

void AdvancedWindow::refreshOwn()
{
    QRadioButton* selected = m_wageTypes.selected() == WageType::MyWage  ? m_myWage
                             : m_wageTypes.selected() == WageType::Dream ? m_dream
                                                                         : m_minimum;
    selected->setChecked(true);
    m_period->setCurrentIndex(static_cast<int>(m_wageTypes.period()));
    showFitted(m_current, currentShown(), WindowParts::ReadoutPoints);
    m_minimum->setText(optionCaption(m_wageTypes.minimumCaption()));
    m_dream->setText(optionCaption(m_wageTypes.dreamCaption()));
    showWorkingWeek();
}

// The reference wages' captions: their names before the rates are configured, then
// the names without access keys followed by the rates ("Minimum Wage  ($7.25)/hr").
QString AdvancedWindow::optionCaption(const std::string& caption)
{
    const bool minimum = caption.find("Minimum") != std::string::npos;
    const std::size_t gap = caption.find("  ");
    if (gap == std::string::npos)
        return minimum ? tr("&Minimum Wage") : tr("&DREAM Wage");
    const QString rate = QString::fromStdString(caption.substr(gap + 2));
    return (minimum ? tr("Minimum Wage  %1") : tr("DREAM Wage  %1")).arg(rate);
}

// The period list says the working week its conversions rest on.
void AdvancedWindow::showWorkingWeek()
{
    const WorkingWeek& week = m_wageTypes.workingWeek();
    const QString basis = tr("Earnmeter assumes %1 hours/day and %2 days/week.")
                              .arg(locale().toString(week.hoursPerDay), locale().toString(week.daysPerWeek));
    if (m_period->toolTip() == basis)
        return;
    m_period->setToolTip(basis);
    m_period->setAccessibleDescription(basis);
}

void AdvancedWindow::advancedClicked()
{
    m_timer.leaveAdvanced();
}
