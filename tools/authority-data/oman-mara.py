#!/usr/bin/env python3
"""Turns the Omani Ministry of Endowments and Religious Affairs' prayer times for Muscat, as a
mosque-display app (github.com/UAEHN/salah_tv) fetched them, into
tests/engine/data/authorities/oman-muscat.csv.

    tools/authority-data/oman-mara.py SOURCE.csv > tests/engine/data/authorities/oman-muscat.csv

SOURCE.csv is assets/csv/oman_prayer_times_2026.csv at commit
fb4fa06822d784fbed6a26d715fea6f2310a3df0 of that repository (3,515,726 characters), or only its
header and its Muscat lines (the first 39,466 characters): the ministry's calendar
(mara.gov.om/arabic/calendar_page2.asp, one page a month and locality), fetched by the app's
tool/oman_fetch.js for 86 localities and the years 2026 and 2027, the afternoon, sunset and evening
turned from the page's 12-hour clock into 24 hours there. "City,Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha",
then "CITY,DD/MM/YYYY" and six times. Kept: Muscat, 2026 (its 2027 lines are where the method's
rule was read; see the data README). Oman's clock is UTC+4 all year. The ministry publishes no
reference point: the place is GeoNames' Muscat (and its height, 14 m; the method takes none),
where all but a few of 2027's times lie within one rounding step.
"""
import authority_table

ZONE_MINUTES = 240
CITY = 'Muscat'
YEAR = '2026'
PLACE = 'place,Muscat,23.5841,58.4078,14'
HEADER = 'City,Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha'


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    if not lines or lines[0].lstrip('\ufeff').strip() != HEADER:
        authority_table.fail(1, 'not the header %s' % HEADER)
    # Each line is "CITY," and a dated day; the city's lines, without the city, read as a dated table.
    kept = [HEADER] + [line[len(CITY) + 1:] for line in lines[1:]
                       if line.startswith(CITY + ',') and line[len(CITY) + 7:len(CITY) + 11] == YEAR]
    days = authority_table.dated_days(kept, HEADER, ZONE_MINUTES)
    authority_table.require_whole_year(days, int(YEAR), ' of ' + CITY)
    authority_table.write_table(
        ['Ministry of Endowments and Religious Affairs, Oman (mara.gov.om): its calendar for Muscat, 2026,',
         'as fetched by github.com/UAEHN/salah_tv. UTC+4. See README.'],
        PLACE, days)


if __name__ == '__main__':
    main()
