#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

// Whether a modal window blocked a top-level window: Qt tells the window when
// one starts and stops blocking it.
struct BlockLog final : QObject
{
    explicit BlockLog(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
            blocked = event->type() == QEvent::WindowBlocked;
        return false;
    }
    bool blocked = false;
};
