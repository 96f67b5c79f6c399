#pragma once

#include "engine/Prompt.h"

#include <deque>
#include <vector>

// Answers message boxes from a queue and remembers every one asked. With the
// queue empty it gives the answer that changes nothing (OK, No or Cancel,
// after the buttons shown).
class FakePrompt final : public Prompt
{
public:
    void queueAnswer(Answer answer) { m_queued.push_back(answer); }

    Answer ask(const Message& message) override
    {
        m_asked.push_back(message);
        if (m_queued.empty())
            return harmlessAnswer(message.buttons);
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
    std::vector<Message> m_asked;
};
