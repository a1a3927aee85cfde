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

import authority_table

ZONE_MINUTES = 180
PLACE = 'place,Doha,25.286667,51.533333,11'
YEAR = re.compile(r'^(\d{4}) - ')
ROW = re.compile(r'^\S+\t *(\d{1,2})\t *(\d{2})/(\d{2})((?:\t *\d{2}:\d{2}){7})$')


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    days = []
    year = None
    for number, line in enumerate(lines, start=1):
        line = line.strip()
        if YEAR.match(line):
            year = int(YEAR.match(line).group(1))
            continue
        match = ROW.match(line)
        if not match:
            continue
        if year is None:
            authority_table.fail(number, 'a day before the year line')
        date = datetime.date(year, int(match.group(2)), int(match.group(3)))
        times = [t.strip() for t in match.group(4)[1:].split('\t')][:6]
        days.append((date.isoformat(), ZONE_MINUTES, times))
    authority_table.write_table(
        ['Qatar Calendar House (qatarch.com/ramadan): its Ramadan 1446 timetable for Doha (2025-03-01..28),',
         'as copied by github.com/masaajid-hub/prayer-times. Clock UTC+3. See README.'],
        PLACE, days)

if __name__ == '__main__':
    main()
