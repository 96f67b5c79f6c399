#pragma once

struct sqlite3;

// Adds exact_sum(x) to a connection: the sum of whole numbers, worked out
// exactly and held at the edge of the 64-bit range instead of failing. SQLite's
// own sum() stops a whole query with "integer overflow", and a day at the
// largest wage the entry accepts is enough to reach it.
int registerExactSum(sqlite3* database);
