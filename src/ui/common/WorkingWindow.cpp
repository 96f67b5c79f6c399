#include "ui/common/WorkingWindow.h"

#include "engine/RunTimer.h"
#include "ui/common/ClientArea.h"
#include "ui/common/Commands.h"
#include "ui/common/EngineWords.h"
#include "ui/common/FittedText.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/PlainKey.h"
#include "ui/common/WageEdit.h"
#include "ui/common/WindowMenus.h"
#include "ui/common/WindowParts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

WorkingWindow::WorkingWindow(RunTimer& timer, Commands& commands, WindowId id)
    : m_timer(timer), m_commands(commands), m_area(new ClientArea(this)), m_id(id)
{
    setCentralWidget(m_area);
    m_area->setFont(LegacyFont::sansSerif(8.25));
    buildMenuBar(menuBar(), commands, this);
    setWindowTitle(engineWords(m_timer.view(id).caption));
}

void WorkingWindow::connectControls(const RunControls& controls, const QSize& designSize)
{
    m_controls = controls;
    controls.lblSeconds->setAccessibleDescription(tr("Elapsed time"));
    controls.lblTotal->setAccessibleDescription(tr("Money earned"));
    controls.cmdStart->setAccessibleName(tr("Start"));
    controls.cmdPause->setAccessibleName(tr("Pause"));
    controls.chkAdvanced->setAccessibleName(tr("Advanced mode"));
    connect(controls.cmdStart, &QPushButton::clicked, this, &WorkingWindow::StartClick);
    connect(controls.cmdPause, &QPushButton::clicked, this, &WorkingWindow::PauseClick);
    connect(controls.chkAdvanced, &QCheckBox::clicked, this, &WorkingWindow::advancedClicked);
    connect(controls.txtWage, &QLineEdit::textEdited, this,
            [this] { m_timer.editWageEntry(m_id, m_controls.txtWage->engineText()); });
    connect(controls.txtWage, &WageEdit::focusLeft, this, [this] { m_timer.leaveWageEntry(m_id); });
    m_timer.viewChanged.subscribe([this](WindowId changed) {
        if (changed == m_id)
            refresh();
    });
    // Every control stays where the layout puts it; long texts are drawn smaller
    // instead, once the window first shows.
    m_area->setFixedSize(designSize);
    refresh();
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
    // A hidden window catches up as it is shown: rewriting its caption every
    // second would wake the program through the X server for nothing.
    if (isHidden()) {
        m_behind = true;
        return;
    }
    render();
}

void WorkingWindow::setVisible(bool visible)
{
    // The caption and texts are up to date before Qt maps the window; the texts
    // are fitted to their boxes right after, still before the first paint, so
    // the map does not wait for the fonts that fitting loads.
    if (visible && std::exchange(m_behind, false))
        render();
    QMainWindow::setVisible(visible);
    if (visible && std::exchange(m_unfitted, false))
        fitTexts();
}

void WorkingWindow::fitTexts()
{
    for (QLabel* label : m_area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label != m_controls.lblSeconds && label != m_controls.lblTotal)
            FittedText::setText(label, label->text(), label->font().pointSizeF());
    FittedText::fitButtons(m_area);
    render();
}

void WorkingWindow::showFitted(QLabel* label, const QString& text, qreal points, const QString& tip)
{
    if (!m_unfitted) {
        FittedText::setText(label, text, points, tip);
        return;
    }
    label->setText(text);
    if (label->toolTip() != tip)
        label->setToolTip(tip);
}

void WorkingWindow::nameCurrencyIn(QWidget* caption)
{
    m_currencyCaptions.add(caption);
}

void WorkingWindow::showCurrencySymbol(const QString& symbol)
{
    if (std::exchange(m_symbol, symbol) == symbol)
        return;
    m_currencyCaptions.showWith(symbol, [this](QWidget* caption, const QString& shown) {
        if (auto* label = qobject_cast<QLabel*>(caption); label && !m_unfitted)
            FittedText::setText(label, shown, label->font().pointSizeF());
        else
            caption->setProperty("text", shown);
    });
    if (!m_unfitted)
        FittedText::fitButtons(m_area);
}

void WorkingWindow::setTodayText(const QString& text)
{
    if (std::exchange(m_todayText, text) == text)
        return;
    if (isHidden())
        m_behind = true;
    else
        render();
}

void WorkingWindow::render()
{
    const WindowView view = m_timer.view(m_id);
    const QString caption = engineWords(view.caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);

    QFont secondsFont = m_controls.lblSeconds->font();
    if (secondsFont.strikeOut() != view.elapsedStruck) {
        secondsFont.setStrikeOut(view.elapsedStruck);
        m_controls.lblSeconds->setFont(secondsFont);
    }
    showFitted(m_controls.lblSeconds, QString::fromStdString(view.elapsedText), WindowParts::ReadoutPoints);
    showFitted(m_controls.lblTotal, QString::fromStdString(view.totalText), view.totalPointSize, m_todayText);

    m_controls.cmdStart->setEnabled(view.startEnabled);
    m_controls.cmdPause->setEnabled(view.pauseEnabled);
    m_controls.chkAdvanced->setChecked(view.advancedChecked);
    m_controls.txtWage->showEngineText(view.wageEntry);
    refreshOwn();
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the run goes on and the tray brings the window back.
    event->ignore();
    m_commands.closeWindow(this);
}

void WorkingWindow::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 asks for the context menu as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QWidget* target = focusWidget() != nullptr ? focusWidget() : m_area;
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), target->mapToGlobal(QPoint()));
        QCoreApplication::sendEvent(target, &request);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && isPlainKey(*event) && m_controls.cmdStart && m_controls.cmdStart->isEnabled()) {
        m_controls.cmdStart->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
