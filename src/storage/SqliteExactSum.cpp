#include "storage/SqliteExactSum.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Below 2^64 rows the 128-bit sum of 64-bit values cannot overflow.
using Sum = __int128;

// SQLite aligns an aggregate's memory for 64-bit values only, so the sum is copied in and out.
Sum load(const void* memory)
{
    Sum sum = 0;
    if (memory != nullptr)
        std::memcpy(&sum, memory, sizeof sum);
    return sum;
}

void step(sqlite3_context* context, int, sqlite3_value** values)
{
    void* memory = sqlite3_aggregate_context(context, sizeof(Sum));
    if (memory == nullptr || sqlite3_value_type(values[0]) == SQLITE_NULL)
        return;
    const Sum sum = load(memory) + sqlite3_value_int64(values[0]);
    std::memcpy(memory, &sum, sizeof sum);
}

void final(sqlite3_context* context)
{
    // Zero bytes asked: no memory is taken for a sum over no rows.
    const Sum value = load(sqlite3_aggregate_context(context, 0));
    const Sum low = std::numeric_limits<std::int64_t>::min();
    const Sum high = std::numeric_limits<std::int64_t>::max();
    sqlite3_result_int64(context, static_cast<std::int64_t>(std::clamp(value, low, high)));
}

} // namespace

int registerExactSum(sqlite3* database)
{
    return sqlite3_create_function_v2(database, "exact_sum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr,
                                      step, final, nullptr);
}
