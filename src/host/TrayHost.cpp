#include "host/TrayHost.h"

#include "engine/Currency.h"
#include "engine/MeterStatus.h"
#include "engine/Version.h"
#include "host/ChosenMoney.h"
#include "host/DayWords.h"
#include "platform/tray/SysTray.h"

TrayHost::TrayHost(TrayFactory makeTray, Actions actions, const ChosenMoney& money)
    : m_makeTray(std::move(makeTray)), m_actions(std::move(actions)), m_money(money)
{}

TrayHost::~TrayHost() = default;

void TrayHost::create()
{
    if (m_frmSysTray)
        return;
    m_frmSysTray = m_makeTray();
    SysTray& tray = *m_frmSysTray;
    connect(&tray, &SysTray::SysTrayMouseDown, this, &TrayHost::m_frmSysTray_SysTrayMouseDown);
    connect(&tray, &SysTray::SysTrayDoubleClick, this, &TrayHost::m_frmSysTray_SysTrayDoubleClick);
    connect(&tray, &SysTray::MenuClick, this, &TrayHost::m_frmSysTray_MenuClick);
    tray.AddMenuItem(tr("&Open Earnmeter..."), QStringLiteral("open"), true);
    tray.AddMenuItem(QStringLiteral("-"));
    tray.AddMenuItem(tr("&Start Timer"), QStringLiteral("start"));
    tray.AddMenuItem(tr("&Pause Timer"), QStringLiteral("pause"));
    tray.AddMenuItem(QStringLiteral("-"));
    tray.AddMenuItem(tr("&E-Mail Dorvan"), QStringLiteral("Email"));
    tray.AddMenuItem(tr("&About..."), QStringLiteral("About"));
    tray.AddMenuItem(QStringLiteral("-"));
    tray.AddMenuItem(tr("E&xit"), QStringLiteral("close"));
    m_firstLine = QString::fromLatin1(Version::ProductName);
    m_shownTip.clear();
    showToolTip();
}

void TrayHost::remove()
{
    m_frmSysTray.reset();
}

bool TrayHost::available() const
{
    return m_frmSysTray && m_frmSysTray->available();
}

QString TrayHost::toolTipText(Currency totalEarned, const ChosenMoney& money)
{
    return money.trayAmount(totalEarned) + QStringLiteral(" (") + QString::fromLatin1(Version::ProductName) +
           QStringLiteral(")");
}

void TrayHost::refreshToolTip(Currency totalEarned)
{
    setEarnings(totalEarned);
    showToolTip();
}

void TrayHost::setEarnings(Currency totalEarned)
{
    m_firstLine = toolTipText(totalEarned, m_money);
}

void TrayHost::moneyChanged(Currency totalEarned)
{
    // Until the first count the tip names the program alone.
    if (m_firstLine != QString::fromLatin1(Version::ProductName))
        refreshToolTip(totalEarned);
}

QString TrayHost::todayLine(const TodayFigure& today, const ChosenMoney& money)
{
    return DayWords::today(today, money.trayAmount(today.total.earned));
}

QString TrayHost::progressLine(const DayFigures& day, const ChosenMoney& money)
{
    return DayWords::progress(day, day.goal ? money.trayAmount(*day.goal) : QString());
}

void TrayHost::showToday(const DayFigures& day)
{
    m_todayLine = todayLine(day.today, m_money);
    m_progressLine = progressLine(day, m_money);
    showToolTip();
}

void TrayHost::showToolTip()
{
    if (!m_frmSysTray)
        return;
    QString tip = m_firstLine;
    for (const QString* line : {&m_todayLine, &m_progressLine})
        if (!line->isEmpty())
            tip += QLatin1Char('\n') + *line;
    // A tip that says what it said costs the panel nothing.
    if (tip != std::exchange(m_shownTip, tip))
        m_frmSysTray->setToolTip(tip);
}

void TrayHost::m_frmSysTray_SysTrayMouseDown(int button)
{
    if (button == SysTray::RightButton && m_frmSysTray)
        m_frmSysTray->ShowMenu();
}

void TrayHost::m_frmSysTray_SysTrayDoubleClick(int)
{
    m_actions.open();
}

void TrayHost::m_frmSysTray_MenuClick(int, const QString& key)
{
    // Keys are compared exactly, case included.
    const std::pair<const char*, const std::function<void()>*> routes[] = {
        {"open", &m_actions.open},   {"start", &m_actions.start}, {"pause", &m_actions.pause},
        {"close", &m_actions.close}, {"About", &m_actions.about}, {"Email", &m_actions.email},
    };
    for (const auto& [name, action] : routes) {
        if (key == QLatin1String(name)) {
            (*action)();
            return;
        }
    }
}
