#!/usr/bin/env python3
"""Turns the Ramadan table for Tehran of the Calendar Centre of the Institute of Geophysics,
University of Tehran, as the news site setare.com reprinted it, into
tests/engine/data/authorities/tehran-geophysics.csv.

    tools/authority-data/tehran-ramadan.py SOURCE.txt > tests/engine/data/authorities/tehran-geophysics.csv

SOURCE.txt holds the table's lines as the page https://setare.com/?p=679048 prints them ("jadval-e
owghat-e shar'i dar mah-e mobarak-e Ramazan, shahr-e Tehran 1404_1403", its source named there as
the Calendar Centre of the Institute of Geophysics): a title, a header, then one line a day,
"WEEKDAY | RAMADAN DAY | ESFAND OR FARVARDIN DAY | dawn | sunrise | noon | Maghrib | midnight |",
the times as H/MM in Persian digits. Ramadan 1446 began in Iran on Sunday 12 Esfand 1403
(2025-03-02); the day column counts Esfand 1403 (1 Esfand = 2025-02-19, 30 days, 1403 being a leap
year) and then Farvardin 1404 (1 Farvardin = 2025-03-21). Iran's clock has been UTC+3:30 all year
since 2023. The table gives no afternoon and no evening (Isha); Maghrib, the Institute's sunset
prayer, goes to the sunset column, as the tehran method prints it there. The Institute publishes no
reference point for the city: the town's centre as its encyclopedia article gives it (35 41 46 N,
51 25 23 E; see the data README), with GeoNames' elevation (used by no method here).
"""
import datetime
import re
import sys

ZONE_MINUTES = 210
PLACE = 'place,Tehran,35.696111,51.423056,1178'
PERSIAN_DIGITS = str.maketrans('۰۱۲۳۴۵۶۷۸۹', '0123456789')
ESFAND_1 = datetime.date(2025, 2, 19)
FARVARDIN_1 = datetime.date(2025, 3, 21)
DAY = re.compile(r'^[^|]+\|\s*(\d+)\s*\|\s*(\d+)\s*\|((?:\s*\d{1,2}/\d{2}\s*\|){5})\s*$')


def clock(text):
    hours, minutes = text.strip().split('/')
    return '%02d:%s' % (int(hours), minutes)


def main():
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    lines = open(sys.argv[1], encoding='utf-8').read().translate(PERSIAN_DIGITS).splitlines()
    out = ['# The Calendar Centre of the Institute of Geophysics, University of Tehran: its Ramadan 1446 table',
           '# for Tehran as setare.com reprinted it (2025-03-02..06). Clock UTC+3:30. See README.',
           PLACE,
           'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening']
    previous = None
    for number, line in enumerate(lines[2:], start=3):
        match = DAY.match(line.strip())
        if not match:
            sys.exit('%s:%d: not a day: %r' % (sys.argv[1], number, line))
        ramadan_day, solar_day = int(match.group(1)), int(match.group(2))
        date = ESFAND_1 + datetime.timedelta(days=solar_day - 1)
        if previous and date <= previous:
            date = FARVARDIN_1 + datetime.timedelta(days=solar_day - 1)
        if date != datetime.date(2025, 3, 1) + datetime.timedelta(days=ramadan_day):
            sys.exit('%s:%d: Ramadan day %d is not %s' % (sys.argv[1], number, ramadan_day, date))
        previous = date
        dawn, sunrise, noon, maghrib, _midnight = [clock(t) for t in match.group(3).split('|')[:5]]
        out.append('%s,%d,%s,%s,%s,,%s,' % (date.isoformat(), ZONE_MINUTES, dawn, sunrise, noon, maghrib))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
