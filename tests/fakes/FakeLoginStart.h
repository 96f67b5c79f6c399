#pragma once

#include "storage/LoginStart.h"

#include <vector>

// Remembers each switch; a failure to order.
class FakeLoginStart final : public LoginStart
{
public:
    WriteResult set(bool on) override
    {
        asked.push_back(on);
        if (!failure.empty())
            return WriteResult::failed(failure);
        this->on = on;
        return WriteResult::done();
    }

    bool on = false;
    std::vector<bool> asked;
    std::string failure;
};
