#pragma once

#include "storage/WindowPositions.h"

#include <QObject>
#include <QPoint>

#include <map>
#include <set>

class QWidget;

// The two working windows' outer-frame positions in twips, as the position
// file keeps them. The advanced window is built on first use; until then its
// position is kept here. On a desktop that does not let programs place windows
// the moves are ignored, and the files are still read and written. Under X11
// a window shown again stands where it stood: its frame is checked against the
// server a moment after each show and put back where it was, as window
// managers place it by its client area (openbox) or Qt's stale idea of it.
class WindowPlacement final : public QObject
{
public:
    // How long after a show the window manager has framed the window.
    static constexpr int FramedAfterMs = 250;

    explicit WindowPlacement(QWidget& main);

    // The advanced window now exists: it goes where the positions say.
    void attachAdvanced(QWidget& advanced);

    WindowPositions current() const;
    void apply(const WindowPositions& positions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget& window);
    void placeOnceFramed(QWidget& window);

    QWidget& m_main;
    QWidget* m_advanced = nullptr;
    QPoint m_advancedPosition;
    std::map<QWidget*, QPoint> m_frames; // where each window's frame is to stand when shown
    std::set<QWidget*> m_unplaced;        // shown, not yet put where their frames are to stand
};
