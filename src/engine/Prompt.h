#pragma once

#include <string>
#include <vector>

// A modal question or notice. The program answers it with a message box;
// tests answer it themselves.
struct Message
{
    enum class Buttons
    {
        Ok,
        YesNo,
        YesNoCancel,
        Choices // the message's own `choices`: the first is the default, and Escape means it
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
    std::vector<std::string> choices = {}; // with Buttons::Choices: labels with "&" before the access key
    // What the text's %1, %2... stand for, so that the words can be put in the
    // reader's language around them; a number is written "1,234.50".
    std::vector<std::string> values = {};
};

// The text with its values in place, in English.
std::string filledText(const Message& message);

enum class Answer
{
    Ok,
    Yes,
    No,
    Cancel,
    // Of a message's own choices: the first answers Ok, the others these.
    Second,
    Third
};

class Prompt
{
public:
    virtual ~Prompt() = default;
    virtual Answer ask(const Message& message) = 0;
};
