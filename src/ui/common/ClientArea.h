#pragma once

#include <QColor>
#include <QSet>
#include <QWidget>

#include <utility>
#include <vector>

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
    // A control whose text has a colour of its own, kept readable on the area's
    // background under whatever theme is in force.
    void addAccent(QWidget* control, const QColor& wanted);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The Menu key, and Shift+F10 (WorkingWindow), ask for the popup from the keyboard.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popup(const QPoint& at);
    void applyColours();

    QMenu* m_popup = nullptr;
    QSet<QWidget*> m_sources;
    std::vector<std::pair<QWidget*, QColor>> m_accents;
};
