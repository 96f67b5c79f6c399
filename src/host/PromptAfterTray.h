#pragma once

#include "engine/Prompt.h"
#include "ui/common/EngineWords.h"

#include <functional>

// The boxes the program puts up, each after the tray icon is there: the icon
// comes before any box at start-up (a first run's, a damaged file's), so the
// tray's menu can end the program while a box waits; without a box it comes
// after the first window, which then need not wait for it.
class PromptAfterTray final : public Prompt
{
public:
    PromptAfterTray(Prompt& prompt, const QLocale& locale, std::function<void()> makeTray)
        : m_prompt(prompt), m_locale(locale), m_makeTray(std::move(makeTray))
    {}

    Answer ask(const Message& message) override
    {
        m_makeTray();
        Message shown = message;
        shown.text = engineWords(message, m_locale).toStdString();
        shown.values.clear();
        shown.caption = engineWords(message.caption).toStdString();
        return m_prompt.ask(shown);
    }

private:
    Prompt& m_prompt;
    const QLocale& m_locale;
    std::function<void()> m_makeTray;
};
