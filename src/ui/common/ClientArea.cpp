#include "ui/common/ClientArea.h"

#include "ui/common/Contrast.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    applyColours();
}

// Working windows are painted in the colours of text-entry fields, and so are
// their labels and check boxes; taken afresh when the theme changes.
void ClientArea::applyColours()
{
    const QPalette theme = QApplication::palette(this);
    const QColor background = theme.color(QPalette::Base);
    QPalette own = palette();
    own.setColor(QPalette::Window, background);
    own.setColor(QPalette::WindowText, theme.color(QPalette::Text));
    setPalette(own);
    for (const auto& [control, wanted] : m_accents) {
        QPalette accent = control->palette();
        accent.setColor(QPalette::WindowText, Contrast::readableOn(wanted, background));
        control->setPalette(accent);
    }
}

void ClientArea::addAccent(QWidget* control, const QColor& wanted)
{
    m_accents.emplace_back(control, wanted);
    applyColours();
}

void ClientArea::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
    QWidget::changeEvent(event);
}

void ClientArea::addPopupSource(QWidget* control)
{
    m_sources.insert(control);
    // Buttons take their own mouse events; labels pass them on to this area.
    if (qobject_cast<QAbstractButton*>(control))
        control->installEventFilter(this);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget* under = childAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && (under == nullptr || m_sources.contains(under)))
        popup(QCursor::pos());
    QWidget::mouseReleaseEvent(event);
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        m_sources.contains(qobject_cast<QWidget*>(watched))) {
        popup(QCursor::pos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Controls with a menu of their own (the wage box) take the key themselves; from
// any other the window's popup opens below the control that has the focus.
void ClientArea::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    const QWidget* focus = QApplication::focusWidget();
    const bool inHere = focus != nullptr && isAncestorOf(focus);
    popup(inHere ? focus->mapToGlobal(QPoint(0, focus->height())) : mapToGlobal(QPoint(0, 0)));
}

void ClientArea::popup(const QPoint& at)
{
    if (m_popup)
        m_popup->popup(at);
}
