#pragma once

#include "storage/WindowPositions.h"

#include <QPoint>

class QWidget;

// The two working windows' outer-frame positions in twips, as the position
// file keeps them. The advanced window is built on first use; until then its
// position is kept here. On a desktop that does not let programs place windows
// the moves are ignored, and the files are still read and written.
class WindowPlacement final
{
public:
    explicit WindowPlacement(QWidget& main);

    // The advanced window now exists: it goes where the positions say.
    void attachAdvanced(QWidget& advanced);

    WindowPositions current() const;
    void apply(const WindowPositions& positions);

private:
    QWidget& m_main;
    QWidget* m_advanced = nullptr;
    QPoint m_advancedPosition;
};
