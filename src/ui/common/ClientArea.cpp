#include "ui/common/ClientArea.h"

#include <QAbstractButton>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    // Working windows are painted in the colour of text-entry fields, and so are
    // their labels and check boxes.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    setPalette(palette);
    setAutoFillBackground(true);
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
        popup();
    QWidget::mouseReleaseEvent(event);
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        m_sources.contains(qobject_cast<QWidget*>(watched))) {
        popup();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ClientArea::popup()
{
    if (m_popup)
        m_popup->popup(QCursor::pos());
}
