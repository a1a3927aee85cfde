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
import authority_table

ZONE_MINUTES = 180
PLACE = 'place,Kuwait City,29.35,48.00,16'
HEADER = 'Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha'


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    # "00:00" stands where the copy has no time: no day of Kuwait's table reaches midnight.
    days = [(date, zone_minutes, ['' if t == '00:00' else t for t in times])
            for date, zone_minutes, times in authority_table.dated_days(lines, HEADER, ZONE_MINUTES)]
    authority_table.require_whole_year(days, 2026)
    authority_table.write_table(
        ['Al-Ojeiri calendar (alojeiri.com): its 2026 prayer times for Kuwait City, as copied in',
         'github.com/UAEHN/salah_tv. UTC+3. See README.'],
        PLACE, days)


if __name__ == '__main__':
    main()
