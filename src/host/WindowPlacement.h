#pragma once

#include "storage/PositionHolder.h"

class QWidget;

// The two working windows' outer-frame positions in twips, as the position
// file keeps them. On a desktop that does not let programs place windows the
// moves are ignored, and the files are still read and written.
class WindowPlacement final : public PositionHolder
{
public:
    WindowPlacement(QWidget& main, QWidget& advanced);

    WindowPositions current() const override;
    void apply(const WindowPositions& positions) override;

private:
    QWidget& m_main;
    QWidget& m_advanced;
};
