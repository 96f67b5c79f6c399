#pragma once

#include "engine/Clipboard.h"

class QtClipboard final : public Clipboard
{
public:
    void setText(const std::string& text) override;
};
