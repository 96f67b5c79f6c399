#pragma once

class QWidget;

// The commands both working windows, their menus and the tray share. The
// program's host carries them out; tests record them.
class Commands
{
public:
    virtual ~Commands() = default;
    virtual void resetTimer() = 0;
    virtual void showOptions() = 0;
    virtual void showPreferences() = 0;
    virtual void showHistory() = 0;
    virtual void requestExit() = 0;
    virtual void copyElapsed() = 0;
    virtual void copyWage() = 0;
    virtual void sendSupportEmail(QWidget* owner) = 0;
    virtual void openWebPage() = 0;
    virtual void openDonatePage() = 0;
    virtual void openReadme() = 0;
    virtual void showAbout() = 0;
    // A working window asked to close: hidden while a tray can bring it back.
    virtual void closeWindow(QWidget* window) = 0;
};
