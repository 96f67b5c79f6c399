#include "ui/common/ClientArea.h"

#include <QAbstractButton>
#include <QCursor>
#include <QLabel>
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

void ClientArea::fitToText(const QSize& designSize)
{
    int shift = 0;
    const auto labels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        const int needed = label->sizeHint().width();
        QRect box = label->geometry();
        const int extra = needed - box.width();
        if (extra <= 0 || label->text().isEmpty())
            continue;
        const Qt::Alignment align = label->alignment();
        if (align & Qt::AlignRight)
            box.setLeft(box.left() - extra);
        else if (align & Qt::AlignHCenter)
            box.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else
            box.setRight(box.right() + extra);
        label->setGeometry(box);
        shift = std::max(shift, -box.left());
    }
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int right = designSize.width();
    for (QWidget* child : children) {
        if (shift > 0)
            child->move(child->x() + shift, child->y());
        right = std::max(right, child->geometry().right() + 1);
    }
    setFixedSize(right, designSize.height());
}
