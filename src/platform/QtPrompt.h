#pragma once

#include "engine/Prompt.h"

class QWidget;

// Answers questions with a modal message box over the active window.
class QtPrompt final : public Prompt
{
public:
    Answer ask(const Message& message) override;
};
