#pragma once

#include <string>

// Where copies of the elapsed time and the total go.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard, then puts the text on it.
    virtual void setText(const std::string& text) = 0;
};
