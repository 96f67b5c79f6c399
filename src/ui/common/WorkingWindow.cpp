#include "ui/common/WorkingWindow.h"

#include "engine/RunTimer.h"
#include "ui/common/ClientArea.h"
#include "ui/common/Commands.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/WageEdit.h"
#include "ui/common/WindowMenus.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

WorkingWindow::WorkingWindow(RunTimer& timer, Commands& commands, WindowId id)
    : m_timer(timer), m_commands(commands), m_area(new ClientArea(this)), m_id(id)
{
    setCentralWidget(m_area);
    m_area->setFont(LegacyFont::sansSerif(8.25));
    buildMenuBar(menuBar(), commands, this);
    setWindowTitle(QString::fromStdString(m_timer.view(id).caption));
}

void WorkingWindow::connectControls(const RunControls& controls, const QSize& designSize)
{
    m_controls = controls;
    m_designSize = designSize;
    connect(controls.cmdStart, &QPushButton::clicked, this, &WorkingWindow::StartClick);
    connect(controls.cmdPause, &QPushButton::clicked, this, &WorkingWindow::PauseClick);
    connect(controls.chkAdvanced, &QCheckBox::clicked, this, &WorkingWindow::advancedClicked);
    connect(controls.txtWage, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_timer.editWageEntry(m_id, text.toStdString()); });
    connect(controls.txtWage, &WageEdit::focusLeft, this, [this] { m_timer.leaveWageEntry(m_id); });
    m_timer.viewChanged.subscribe([this](WindowId changed) {
        if (changed == m_id)
            refresh();
    });
    refresh();
    m_area->fitToText(designSize);
    // The wage box is the first control to take the focus.
    controls.txtWage->setFocus(Qt::OtherFocusReason);
    // A fixed-size window, as its controls sit at fixed places.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void WorkingWindow::StartClick()
{
    m_timer.start(m_id);
}

void WorkingWindow::PauseClick()
{
    m_timer.pause(m_id);
}

void WorkingWindow::refresh()
{
    const WindowView view = m_timer.view(m_id);
    const QString caption = QString::fromStdString(view.caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);

    QFont secondsFont = m_controls.lblSeconds->font();
    if (secondsFont.strikeOut() != view.elapsedStruck) {
        secondsFont.setStrikeOut(view.elapsedStruck);
        m_controls.lblSeconds->setFont(secondsFont);
    }
    m_controls.lblSeconds->setText(QString::fromStdString(view.elapsedText));

    QFont totalFont = m_controls.lblTotal->font();
    if (totalFont.pointSize() != view.totalPointSize) {
        totalFont.setPointSize(view.totalPointSize);
        m_controls.lblTotal->setFont(totalFont);
    }
    setLabelText(m_controls.lblTotal, QString::fromStdString(view.totalText));

    m_controls.cmdStart->setEnabled(view.startEnabled);
    m_controls.cmdPause->setEnabled(view.pauseEnabled);
    m_controls.chkAdvanced->setChecked(view.advancedChecked);
    const QString wage = QString::fromStdString(view.wageEntry);
    if (m_controls.txtWage->text() != wage)
        m_controls.txtWage->setText(wage);
    refreshOwn();
}

void WorkingWindow::setLabelText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    // A large amount widens its box rather than losing digits.
    if (label->sizeHint().width() > label->width())
        m_area->fitToText(m_designSize);
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the run goes on and the tray brings the window back.
    event->ignore();
    m_commands.closeWindow(this);
}

void WorkingWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && m_controls.cmdStart && m_controls.cmdStart->isEnabled()) {
        m_controls.cmdStart->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
