#!/usr/bin/env python3
"""Turns the Qatar Calendar House's Ramadan timetable for Doha, Ramadan 1446 (March 2025), as copied
from qatarch.com/ramadan into github.com/masaajid-hub/prayer-times, into
tests/engine/data/authorities/qatar-ramadan-doha.csv.

    tools/authority-data/qatar-ramadan.py SOURCE.txt > tests/engine/data/authorities/qatar-ramadan-doha.csv

SOURCE.txt is test-data/input/doha-qatar.txt at commit bb7584bd14d77ac88f546011c6d5330091f2164d of
that repository: the page's address, the year line "2025 - <Hijri year in Arabic digits>", a header
row in Arabic, then one tab-separated row a day: weekday, Ramadan day, MM/DD, dawn, sunrise, noon,
afternoon, sunset, evening (24-hour clock) and the start of the night's last third (not kept). Qatar's
clock is UTC+3. The place is Doha's centre, as for the perpetual calendar (qatar-doha.csv; see the data README).
"""
import datetime
import re
import sys

ZONE_MINUTES = 180
PLACE = 'place,Doha,25.286667,51.533333,11'
YEAR = re.compile(r'^(\d{4}) - ')
ROW = re.compile(r'^\S+\t *(\d{1,2})\t *(\d{2})/(\d{2})((?:\t *\d{2}:\d{2}){7})$')


def main():
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    out = ['# Qatar Calendar House (qatarch.com/ramadan): its Ramadan 1446 timetable for Doha (2025-03-01..28),',
           '# as copied by github.com/masaajid-hub/prayer-times. Clock UTC+3. See README.',
           PLACE,
           'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening']
    year = None
    lines = open(sys.argv[1], encoding='utf-8').read().splitlines()
    for number, line in enumerate(lines, start=1):
        line = line.strip()
        if YEAR.match(line):
            year = int(YEAR.match(line).group(1))
            continue
        match = ROW.match(line)
        if not match:
            continue
        if year is None:
            sys.exit('%s:%d: a day before the year line' % (sys.argv[1], number))
        date = datetime.date(year, int(match.group(2)), int(match.group(3)))
        times = [t.strip() for t in match.group(4)[1:].split('\t')][:6]
        out.append('%s,%d,%s' % (date.isoformat(), ZONE_MINUTES, ','.join(times)))
    if len(out) == 4:
        sys.exit('%s: no days' % sys.argv[1])
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
