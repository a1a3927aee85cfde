#!/usr/bin/env python3
"""Turns the Al-Ojeiri calendar's 2026 prayer times for Kuwait City, as a mosque-display app
(github.com/UAEHN/salah_tv) copied them, into tests/engine/data/authorities/kuwait-ojeiri.csv.

    tools/authority-data/kuwait-ojeiri.py SOURCE.csv > tests/engine/data/authorities/kuwait-ojeiri.csv

SOURCE.csv is tool/alojeiri_kuwait_base_2026.csv at commit 96f621af180501356097dba4bd8bbe6f07b1e70f
of that repository (17,196 characters): "Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha", then 365 lines
"DD/MM/2026" and six times on a 24-hour clock, the table of Kuwait City (the calendar's other
regions are this table with a fixed number of minutes added). One sunrise (2026-09-10) is copied as
"00:00", a time the table cannot hold: it is left empty, as a time the source does not give.
Kuwait's clock is UTC+3 all year.

The calendar publishes no reference point. Its noons and twilights fit 29 deg 21 min N, 48 deg 00 min
E, whole minutes of arc (read from January to June, checked on July to December; see the data
README), so the place line is that point, with GeoNames' height for Kuwait City (16 m; the method takes
no height).
"""
import datetime
import re

import authority_table

ZONE_MINUTES = 180
PLACE = 'place,Kuwait City,29.35,48.00,16'
HEADER = 'Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha'
ROW = re.compile(r'^(\d{2})/(\d{2})/(2026)((?:,\d{2}:\d{2}){6})$')


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    if not lines or lines[0].lstrip('\ufeff') != HEADER:
        authority_table.fail(1, 'not the header %s' % HEADER)
    days = []
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        match = ROW.match(line.strip())
        if not match:
            authority_table.fail(number, 'not a day of the table')
        try:
            date = datetime.date(int(match.group(3)), int(match.group(2)), int(match.group(1)))
        except ValueError:
            authority_table.fail(number, 'no such date')
        times = ['' if t == '00:00' else t for t in match.group(4)[1:].split(',')]
        days.append((date.isoformat(), ZONE_MINUTES, times))
    if len(days) != 365 or len({d[0] for d in days}) != 365:
        authority_table.fail(0, '%d days, not the 365 of 2026' % len(days))
    authority_table.write_table(
        ['Al-Ojeiri calendar (alojeiri.com): its 2026 prayer times for Kuwait City, as copied in',
         'github.com/UAEHN/salah_tv. UTC+3. See README.'],
        PLACE, days)


if __name__ == '__main__':
    main()
