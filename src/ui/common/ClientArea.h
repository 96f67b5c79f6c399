#pragma once

#include <QSet>
#include <QWidget>

class QMenu;

// The client area of a working window: controls sit at fixed positions, and a
// right-button release over the background or over one of the named controls
// opens the popup menu.
class ClientArea final : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget* parent = nullptr);

    void setPopup(QMenu* menu) { m_popup = menu; }
    void addPopupSource(QWidget* control);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The Menu key, and Shift+F10 (WorkingWindow), ask for the popup from the keyboard.
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popup(const QPoint& at);

    QMenu* m_popup = nullptr;
    QSet<QWidget*> m_sources;
};
