#!/usr/bin/env python3
"""Turns the Qatar Calendar House's year of prayer times for Doha, as transcribed into
github.com/osamaalassiry/TaqweemQatar, into tests/engine/data/authorities/qatar-doha.csv.

    tools/authority-data/qatar-taqweem.py SOURCE.csv > tests/engine/data/authorities/qatar-doha.csv

SOURCE.csv is taqweem.csv at commit 33a79cd9895196dabb893e83729069921b3da41f of that repository:
365 lines "D/M,isha,maghrib,asr,dhuhr,sunrise,fajr" (the times in reverse order, 24-hour clock, hours
without a leading zero). The transcription calls it the perpetual calendar (Al-Taqweem Al-Da'em),
the same minutes for a date in every year, and gives no year; its own minutes date the copy: its
Maghrib, and Isha with it, is one minute later than the days either side on exactly
2023-03-23..04-20, Ramadan 1444, as the Calendar House adds a minute to Maghrib in Ramadan. So the
days are dated in 2023. Qatar's clock is UTC+3. The place is Doha's centre (see the data README).
"""
import datetime
import re

import authority_table

YEAR = 2023
ZONE_MINUTES = 180
PLACE = 'place,Doha,25.286667,51.533333,11'
ROW = re.compile(r'^(\d{1,2})/(\d{1,2})((?:,\d{1,2}:\d{2}){6})$')


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    days = []
    for number, line in enumerate(lines, start=1):
        line = line.strip()
        if not line:
            continue
        match = ROW.match(line)
        if not match:
            authority_table.fail(number, 'not a day of the table')
        try:
            date = datetime.date(YEAR, int(match.group(2)), int(match.group(1)))
        except ValueError:
            authority_table.fail(number, 'no such date in %d' % YEAR)
        times = ['%05s' % t for t in match.group(3)[1:].split(',')]
        times = [t.replace(' ', '0') for t in reversed(times)]
        days.append((date.isoformat(), ZONE_MINUTES, times))
    authority_table.require_whole_year(days, YEAR)
    authority_table.write_table(
        ['Qatar Calendar House (Dar Al-Taqweem Al-Qatri): its year of prayer times for Doha, as transcribed',
         'in github.com/osamaalassiry/TaqweemQatar. Dated 2023 by its Ramadan minute. See README.'],
        PLACE, days)


if __name__ == '__main__':
    main()
