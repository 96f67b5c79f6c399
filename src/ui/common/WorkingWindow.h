#pragma once

#include "ui/common/CurrencyCaptions.h"

#include <QMainWindow>

#include <utility>
#include <vector>

class ClientArea;
class RunTimer;
enum class WindowId;
class Commands;
class QCheckBox;
class QLabel;
class QPushButton;
class WageEdit;

// What the simple and the advanced window share: the run controls rendered from
// the run timer's view, Start and Pause, the wage box, the menus, Enter pressing
// Start, and a close that only hides.
class WorkingWindow : public QMainWindow
{
    Q_OBJECT

public:
    WorkingWindow(RunTimer& timer, Commands& commands, WindowId id);

    void StartClick();
    void PauseClick();
    // What today earned, shown as the total's tooltip: "Today $253.18 in 6:02:11".
    void setTodayText(const QString& text);
    // The wage captions name the chosen currency where they say "$".
    void showCurrencySymbol(const QString& symbol);
    void setVisible(bool visible) override;

protected:
    struct RunControls
    {
        QLabel* lblSeconds = nullptr;
        QLabel* lblTotal = nullptr;
        WageEdit* txtWage = nullptr;
        QPushButton* cmdStart = nullptr;
        QPushButton* cmdPause = nullptr;
        QCheckBox* chkAdvanced = nullptr;
    };

    // Called by the concrete window once its controls exist.
    void connectControls(const RunControls& controls, const QSize& designSize);
    virtual void advancedClicked() = 0;
    virtual void refreshOwn() {}
    // Shows `text` in its box at `points`, or smaller if it does not fit. Fitting
    // needs the fonts loaded, so before the window first shows the text is only
    // set and fitted when it does (see setVisible).
    void showFitted(QLabel* label, const QString& text, qreal points, const QString& tip = {});
    // A caption, as first set, that names the currency with "$".
    void nameCurrencyIn(QWidget* caption);

    RunTimer& m_timer;
    Commands& m_commands;
    ClientArea* m_area = nullptr;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    void render();
    void fitTexts();

    WindowId m_id;
    RunControls m_controls;
    QString m_todayText;
    CurrencyCaptions m_currencyCaptions;
    QString m_symbol = QStringLiteral("$");
    bool m_behind = false;  // the view changed while the window was hidden
    bool m_unfitted = true; // texts wait to be fitted until the window first shows
};
