#pragma once

#include "engine/Clipboard.h"

#include <string>
#include <vector>

// Keeps every text put on the clipboard, the newest last.
class RecordingClipboard final : public Clipboard
{
public:
    void setText(const std::string& text) override { m_texts.push_back(text); }

    const std::vector<std::string>& texts() const { return m_texts; }
    std::string last() const { return m_texts.empty() ? std::string() : m_texts.back(); }

private:
    std::vector<std::string> m_texts;
};
