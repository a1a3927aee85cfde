#!/usr/bin/env python3
"""Turns the Jordanian Ministry of Awqaf's prayer times for Amman, 2026, as an iPhone app bundles
them (github.com/epic0002/AwqafPrayerTimes), into tests/engine/data/authorities/jordan-amman.csv.

    tools/authority-data/jordan-awqaf.py SOURCE.csv > tests/engine/data/authorities/jordan-amman.csv

SOURCE.csv is App/Resources/times.csv at commit 854f9de9fe76b2337e8269ca1d6b985928683d17 of that
repository (its README: "the official Jordanian Ministry of Awqaf timings as a CSV file", read in
the zone Asia/Amman): the header "date,dawn,sunrise,duhr,asr,sunset,isha", then one line a day,
"DD/MM/YYYY" and six times on a 24-hour clock. Jordan's clock has been UTC+3 all year since
October 2022. The ministry publishes no reference point, so the place is the
town's centre as its encyclopedia article gives it (31 56 59 N, 35 55 58 E; see the data README).
"""
import re

import authority_table

ZONE_MINUTES = 180
PLACE = 'place,Amman,31.949722,35.932778,757'
HEADER = 'date,dawn,sunrise,duhr,asr,sunset,isha'
DAY = re.compile(r'^(\d{2})/(\d{2})/(\d{4})((?:,\d{2}:\d{2}){6})$')


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    if not lines or lines[0].strip() != HEADER:
        authority_table.fail(0, "not the app's table (header %r)" % (lines[0] if lines else ''))
    days = []
    for number, line in enumerate(lines[1:], start=2):
        match = DAY.match(line.strip())
        if not match:
            authority_table.fail(number, 'not a day: %r' % line)
        day, month, year = match.group(1), match.group(2), match.group(3)
        days.append(('%s-%s-%s' % (year, month, day), ZONE_MINUTES, match.group(4)[1:].split(',')))
    authority_table.write_table(
        ['Ministry of Awqaf, Islamic Affairs and Holy Places, Jordan: its prayer times for Amman, 2026,',
         'as bundled by github.com/epic0002/AwqafPrayerTimes. Clock UTC+3. See README.'],
        PLACE, days)

if __name__ == '__main__':
    main()
