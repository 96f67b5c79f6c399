#pragma once

#include <QObject>

#include <functional>
#include <memory>

class ChosenMoney;
class SysTray;
struct Currency;
struct DayFigures;
struct TodayFigure;

// The program's tray icon: its menu of nine items, the tooltip showing the
// money earned, and the icon's clicks turned into commands on the live window.
class TrayHost final : public QObject
{
    Q_OBJECT

public:
    struct Actions
    {
        std::function<void()> open;
        std::function<void()> start;
        std::function<void()> pause;
        std::function<void()> close;
        std::function<void()> about;
        std::function<void()> email;
    };
    using TrayFactory = std::function<std::unique_ptr<SysTray>()>;

    TrayHost(TrayFactory makeTray, Actions actions, const ChosenMoney& money);
    ~TrayHost() override;

    // Ticking and clearing the host's "Show in Systray" box.
    void create();
    void remove();
    bool available() const;
    SysTray* tray() const { return m_frmSysTray.get(); }

    // Every counted second: the earnings so far in the user's currency format.
    void refreshToolTip(Currency totalEarned);
    // The same without sending it, for showToday() to send with its line.
    void setEarnings(Currency totalEarned);
    static QString toolTipText(Currency totalEarned, const ChosenMoney& money);
    // Another currency was chosen: a tip that shows the earnings shows them in it.
    void moneyChanged(Currency totalEarned);
    // Today's figure as the tooltip's second line, in the same money format,
    // and the working day's time left and the goal as a third.
    void showToday(const DayFigures& day);
    static QString todayLine(const TodayFigure& today, const ChosenMoney& money);
    static QString progressLine(const DayFigures& day, const ChosenMoney& money);

private:
    void m_frmSysTray_SysTrayMouseDown(int button);
    void m_frmSysTray_SysTrayDoubleClick(int button);
    void m_frmSysTray_MenuClick(int index, const QString& key);

    TrayFactory m_makeTray;
    Actions m_actions;
    const ChosenMoney& m_money;
    std::unique_ptr<SysTray> m_frmSysTray;
    QString m_firstLine;    // the product name, then the earnings
    QString m_todayLine;    // empty until today's figure is known
    QString m_progressLine; // empty without a working day or a goal
    QString m_shownTip;     // what the tray shows now
    void showToolTip();
};
