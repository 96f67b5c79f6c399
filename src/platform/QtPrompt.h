#pragma once

#include "engine/Prompt.h"

class QWidget;

// Answers questions with a message box over the active window, modal to that
// window alone.
class QtPrompt final : public Prompt
{
public:
    Answer ask(const Message& message) override;
};
