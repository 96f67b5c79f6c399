#pragma once

#include "storage/WindowPositions.h"

// The windows as the position file sees them: it asks where they stand, to
// write that, and hands over the positions it read, to move them there.
class PositionHolder
{
public:
    virtual ~PositionHolder() = default;
    virtual WindowPositions current() const = 0;
    virtual void apply(const WindowPositions& positions) = 0;
};
