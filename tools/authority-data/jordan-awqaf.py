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
import authority_table

ZONE_MINUTES = 180
PLACE = 'place,Amman,31.949722,35.932778,757'
HEADER = 'date,dawn,sunrise,duhr,asr,sunset,isha'


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    days = authority_table.dated_days(lines, HEADER, ZONE_MINUTES)
    authority_table.write_table(
        ['Ministry of Awqaf, Islamic Affairs and Holy Places, Jordan: its prayer times for Amman, 2026,',
         'as bundled by github.com/epic0002/AwqafPrayerTimes. Clock UTC+3. See README.'],
        PLACE, days)

if __name__ == '__main__':
    main()
