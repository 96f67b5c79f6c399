#!/usr/bin/env python3
"""Writes a History.sqlite with some weeks of working days, for pictures.

    scripts/sample-history.py PATH [DAYS] [END-DATE]

Weekdays get five to eight hours at $36/hour in two stretches, the last day one;
weekends nothing.
"""
import datetime
import random
import sqlite3
import sys

path = sys.argv[1]
days = int(sys.argv[2]) if len(sys.argv) > 2 else 60
end = datetime.date.fromisoformat(sys.argv[3]) if len(sys.argv) > 3 else datetime.date.today()
wage = 360000  # ten-thousandths of a dollar an hour
random.seed(7)

db = sqlite3.connect(path)
db.executescript("""
CREATE TABLE IF NOT EXISTS records (
    id INTEGER PRIMARY KEY, date TEXT NOT NULL, start_epoch INTEGER NOT NULL, end_epoch INTEGER NOT NULL,
    seconds INTEGER NOT NULL, hourly_wage INTEGER NOT NULL, earned INTEGER NOT NULL, utc_offset INTEGER);
CREATE INDEX IF NOT EXISTS records_by_date ON records (date);
PRAGMA user_version = 2;
""")
for back in range(days, -1, -1):
    day = end - datetime.timedelta(days=back)
    if day.weekday() >= 5:
        continue
    start = int(datetime.datetime.combine(day, datetime.time(9)).timestamp())
    # The last day is under way: its morning only.
    stretches = (random.randint(9000, 14400),) if back == 0 else (random.randint(9000, 14400), random.randint(9000, 14400))
    for stretch in stretches:
        earned = (stretch * wage + 1800) // 3600
        db.execute("INSERT INTO records (date, start_epoch, end_epoch, seconds, hourly_wage, earned, utc_offset) "
                   "VALUES (?, ?, ?, ?, ?, ?, 0)", (day.isoformat(), start, start + stretch, stretch, wage, earned))
        start += stretch + 3600
db.commit()
