#!/usr/bin/env python3
"""Turns a yearly table of the Moonsighting Committee's own prayer-time service (moonsighting.com,
time_json.php) into tests/engine/data/authorities/moonsighting-committee.csv.

    tools/authority-data/moonsighting-json.py SOURCE.json FROM..TO [FROM..TO ...]

SOURCE.json is the service's answer as saved in github.com/masaajid-hub/prayer-times,
test-data/input/london-moonsighting.json at commit bb7584bd14d77ac88f546011c6d5330091f2164d: a
"query" block (latitude, longitude, timeZone, method, year) and then "times", one entry a day with
"day" ("Jan 01 Wed": month, day, weekday; no year) and the times "fajr", "sunrise", "dhuhr",
"asr_s" (standard Asr), "asr_h" (Hanafi Asr), "maghrib" and "isha" as "HH:MM" padded with spaces.
Method 0 is the Committee's general twilight for the evening. Only the days inside the FROM..TO
ranges (YYYY-MM-DD..YYYY-MM-DD, both ends included) are written, with the standard Asr; each day's
clock offset is the query's time zone on that day (London: UTC+1 from the last Sunday of March to
the last Sunday of October). The place is the point the service was asked for; its elevation is
GeoNames' London (used by no method here).
"""
import datetime
import json
import re
import sys
import zoneinfo

MONTHS = ('Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec')
KEYS = ('fajr', 'sunrise', 'dhuhr', 'asr_s', 'maghrib', 'isha')
TIME = re.compile(r'^\d{2}:\d{2}$')
ELEVATION_M = 11


def parse_range(text):
    first, _, last = text.partition('..')
    return datetime.date.fromisoformat(first), datetime.date.fromisoformat(last)


def main():
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip())
    answer = json.load(open(sys.argv[1], encoding='utf-8'))
    ranges = [parse_range(text) for text in sys.argv[2:]]
    query = answer['query']
    year = int(query['year'])
    zone = zoneinfo.ZoneInfo(query['timeZone'])
    out = ['# The Moonsighting Committee (moonsighting.com): its own yearly table for London, %d, general' % year,
           '# twilight, standard Asr, as its time_json service answered. Clock: London\'s. See README.',
           'place,London,%s,%s,%d' % (query['latitude'], query['longitude'], ELEVATION_M),
           'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening']
    for entry in answer['times']:
        month, day, weekday = entry['day'].split()
        date = datetime.date(year, MONTHS.index(month) + 1, int(day))
        if date.strftime('%a') != weekday:
            sys.exit('%s: %s is not a %s' % (sys.argv[1], date, weekday))
        if not any(first <= date <= last for first, last in ranges):
            continue
        times = [entry['times'][key].strip() for key in KEYS]
        times = [t if TIME.match(t) else '' for t in times]  # "-----": no such time that day
        noon = datetime.datetime(date.year, date.month, date.day, 12, tzinfo=zone)
        zone_minutes = int(noon.utcoffset().total_seconds() // 60)
        out.append('%s,%d,%s' % (date.isoformat(), zone_minutes, ','.join(times)))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
