#pragma once

#include "engine/Prompt.h"

#include <deque>
#include <optional>
#include <vector>

// Answers message boxes from a queue and remembers every one asked. With the
// queue empty it gives the answer that changes nothing (OK, No or Cancel,
// after the buttons shown) unless a default was set.
class FakePrompt final : public Prompt
{
public:
    void queueAnswer(Answer answer) { m_queued.push_back(answer); }
    void setDefaultAnswer(Answer answer) { m_default = answer; }

    Answer ask(const Message& message) override
    {
        m_asked.push_back(message);
        if (m_queued.empty())
            return m_default.value_or(harmlessAnswer(message.buttons));
        const Answer answer = m_queued.front();
        m_queued.pop_front();
        return answer;
    }

    const std::vector<Message>& asked() const { return m_asked; }
    const Message& lastAsked() const { return m_asked.back(); }
    void forgetAsked() { m_asked.clear(); }

private:
    static Answer harmlessAnswer(Message::Buttons buttons)
    {
        if (buttons == Message::Buttons::YesNo)
            return Answer::No;
        return buttons == Message::Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }

    std::deque<Answer> m_queued;
    std::optional<Answer> m_default;
    std::vector<Message> m_asked;
};
