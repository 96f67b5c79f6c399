#pragma once

#include <cstdint>

// Where the two working windows stand, as the left and top edges of their
// outer frames in twips from the top left corner of the screen. The windows'
// sizes are their own and fixed.
struct WindowPositions
{
    // A value made without arguments holds the default positions.
    std::int16_t mainLeft = 4425;
    std::int16_t mainTop = 3930;
    std::int16_t advancedLeft = 4425;
    std::int16_t advancedTop = 2625;

    friend bool operator==(const WindowPositions&, const WindowPositions&) = default;
};
