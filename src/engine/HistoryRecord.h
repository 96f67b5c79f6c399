#pragma once

#include "engine/Currency.h"
#include "engine/Date.h"

#include <cstdint>
#include <optional>
#include <vector>

// One stretch of counting at one wage on one local date under one UTC offset.
struct HistoryRecord
{
    std::int64_t id = 0;         // 0 until the store has it
    Date date;                   // the local date its seconds were counted on
    std::int64_t startEpoch = 0; // when its first counted second began (UTC seconds)
    std::int64_t endEpoch = 0;   // when its last counted second ended
    std::int64_t seconds = 0;    // the seconds counted, from ticks only
    Currency hourlyWage;
    Currency earned;
    // Local time minus UTC while it was counted; unknown for records kept before it was.
    std::optional<std::int32_t> utcOffset;

    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

// seconds x wage / 3600, exact in units and rounded to the nearest unit, an
// exact half to the even neighbour; held at the Currency range's edge.
Currency earnedFor(std::int64_t seconds, Currency hourlyWage);

// The record with the seconds counted in [from, to) taken out: nothing when none
// fall there; otherwise what is left of it, in one or two parts (the second with
// id 0), or the record with no seconds, to be taken out of the store.
std::vector<HistoryRecord> withoutStretch(const HistoryRecord& record, std::int64_t from, std::int64_t to);
