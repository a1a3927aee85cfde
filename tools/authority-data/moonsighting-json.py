#!/usr/bin/env python3
"""Turns a yearly table of the Moonsighting Committee's own prayer-time service (moonsighting.com,
time_json.php) into tests/engine/data/authorities/moonsighting-committee.csv.

    tools/authority-data/moonsighting-json.py SOURCE.json > tests/engine/data/authorities/moonsighting-committee.csv

SOURCE.json is the service's answer as saved in github.com/masaajid-hub/prayer-times,
test-data/input/london-moonsighting.json at commit bb7584bd14d77ac88f546011c6d5330091f2164d: a
"query" block (latitude, longitude, timeZone, method, year) and then "times", one entry a day with
"day" ("Jan 01 Wed": month, day, weekday; no year) and the times "fajr", "sunrise", "dhuhr",
"asr_s" (standard Asr), "asr_h" (Hanafi Asr), "maghrib" and "isha" as "HH:MM" padded with spaces.
Method 0 is the Committee's general twilight for the evening. Only the days inside RANGES (below,
both ends included: a winter and a summer stretch) are written, with the standard Asr; each day's
clock offset is the query's time zone on that day (London: UTC+1 from the last Sunday of March to
the last Sunday of October). The place is the point the service was asked for; its elevation is
GeoNames' London (used by no method here).
"""
import datetime
import json
import re
import zoneinfo

import authority_table

MONTHS = ('Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec')
KEYS = ('fajr', 'sunrise', 'dhuhr', 'asr_s', 'maghrib', 'isha')
TIME = re.compile(r'^\d{2}:\d{2}$')
ELEVATION_M = 11
RANGES = ((datetime.date(2025, 1, 1), datetime.date(2025, 2, 22)),
          (datetime.date(2025, 7, 2), datetime.date(2025, 8, 23)))


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    try:
        answer = json.loads('\n'.join(lines))
        query = answer['query']
        year = int(query['year'])
        zone = zoneinfo.ZoneInfo(query['timeZone'])
    except (ValueError, KeyError, TypeError, zoneinfo.ZoneInfoNotFoundError) as error:
        authority_table.fail(0, 'not the service\'s answer: %s' % error)
    days = []
    for entry in answer['times']:
        month, day, weekday = entry['day'].split()
        date = datetime.date(year, MONTHS.index(month) + 1, int(day))
        if date.strftime('%a') != weekday:
            authority_table.fail(0, '%s is not a %s' % (date, weekday))
        if not any(first <= date <= last for first, last in RANGES):
            continue
        times = [entry['times'][key].strip() for key in KEYS]
        times = [t if TIME.match(t) else '' for t in times]  # "-----": no such time that day
        noon = datetime.datetime(date.year, date.month, date.day, 12, tzinfo=zone)
        days.append((date.isoformat(), int(noon.utcoffset().total_seconds() // 60), times))
    authority_table.write_table(
        ['The Moonsighting Committee (moonsighting.com): its own yearly table for London, %d, general' % year,
         'twilight, standard Asr, as its time_json service answered. Clock: London\'s. See README.'],
        'place,London,%s,%s,%d' % (query['latitude'], query['longitude'], ELEVATION_M), days)


if __name__ == '__main__':
    main()
