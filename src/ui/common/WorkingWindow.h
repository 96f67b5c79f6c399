#pragma once

#include <QMainWindow>

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

    RunTimer& m_timer;
    Commands& m_commands;
    ClientArea* m_area = nullptr;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    void render();

    WindowId m_id;
    RunControls m_controls;
    bool m_behind = false; // the view changed while the window was hidden
};
