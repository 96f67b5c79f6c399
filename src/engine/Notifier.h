#pragma once

#include <functional>
#include <utility>
#include <vector>

// A list of callbacks to tell about a change; subscribers live as long as the program.
template <typename... Args> class Notifier final
{
public:
    void subscribe(std::function<void(Args...)> callback) { m_callbacks.push_back(std::move(callback)); }

    void notify(Args... args) const
    {
        for (const auto& callback : m_callbacks)
            callback(args...);
    }

private:
    std::vector<std::function<void(Args...)>> m_callbacks;
};
