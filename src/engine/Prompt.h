#pragma once

#include <string>

// A modal question or notice. The program answers it with a message box;
// tests answer it themselves.
struct Message
{
    enum class Buttons
    {
        Ok,
        YesNo,
        YesNoCancel
    };
    enum class Icon
    {
        None,
        Critical,
        Question,
        Exclamation,
        Information
    };

    std::string text;
    std::string caption = "Earnmeter";
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

enum class Answer
{
    Ok,
    Yes,
    No,
    Cancel
};

class Prompt
{
public:
    virtual ~Prompt() = default;
    virtual Answer ask(const Message& message) = 0;
};
