#pragma once

#include <QDialog>

class ClickableLabel;
class Links;
class Prompt;
class SupportEmail;
class QLabel;
class QPushButton;

// frmAbout: the program's name, version, author and motto, with the author's
// web page, support address and donation page, and a box of program information.
class AboutWindow final : public QDialog
{
    Q_OBJECT

public:
    AboutWindow(Prompt& prompt, Links& links, SupportEmail& support, QWidget* parent = nullptr);

    // Shows the window modally and returns when it is closed; OK hides it, and
    // the next call shows the same window again.
    void ShowAbout();

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void applyColours();
    void createLayout();
    void connectActions();
    void Form_Load();

    void cmdOK_Click();
    void cmdInfo_Click();
    void lblWeb_Click();
    void imgDonate_Click();
    void lblEmail_Click();

    Prompt& m_prompt;
    Links& m_links;
    SupportEmail& m_support;

    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdOK = nullptr;
    ClickableLabel* lblWeb = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* lblEmail = nullptr;
    QLabel* lblAbout = nullptr;
    QLabel* lblBy = nullptr;
    ClickableLabel* imgDonate = nullptr;
};
