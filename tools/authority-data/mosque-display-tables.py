#!/usr/bin/env python3
"""Turns three authorities' own tables, as a mosque-display app (github.com/UAEHN/salah_tv) fetched
and committed them, into test data:

    tools/authority-data/mosque-display-tables.py ummalqura SOURCE.csv > tests/engine/data/authorities/ummalqura-yearly.csv
    tools/authority-data/mosque-display-tables.py awqaf SOURCE.csv > tests/engine/data/authorities/awqaf-dubai-2026.csv
    tools/authority-data/mosque-display-tables.py esa SOURCE.csv > tests/engine/data/authorities/egypt-cairo.csv

ummalqura: SOURCE.csv is assets/csv/saudi_prayer_times_2026.csv at commit
8375b37a336abd045dfe21ba46f175102a19923f: the Umm al-Qura calendar's yearly prayer tables
(ummulqura.org.sa/yearprayer.aspx, one page a Hijri year and city) for Saudi towns, fetched by the
app's tool/uq_fetch.py with each town's coordinates from the calendar's own town list (its
tool/uq_saudi_cities.json, commit f80e8e4: Riyadh 24.67 N 46.69 E, Abha 18.22 N 42.51 E, Makkah
21.42 N 39.83 E, Madinah 24.54 N 39.63 E, Jeddah 21.50 N 39.17 E, Dammam 26.44 N 50.10 E, Tabuk
28.40 N 36.58 E; UTC+3), 12-hour times turned into 24 hours there. Kept: those seven towns, the
whole of 2026; the elevations are GeoNames'. The calendar computes each town at a point of its own,
not at the list's two decimals (Madinah's and Tabuk's noons fall 0.17 minutes later than at the
list's points): each town is at the point tools/reference-point.py reads from its January to June,
where that point matches July to December better than the list's (all but Jeddah, which keeps the
list's point; the figures are in the data README).

awqaf: SOURCE.csv is assets/csv/uae_awqaf_mar_jun_2026.csv at commit
6d0d4986126eb187fbb505e4ddb720e987e5c39e: the answers of the UAE General Authority of Islamic
Affairs and Endowments' prayer-time service (mobileappapi.awqaf.gov.ae, v3/prayertimes; Dubai is
emirate 2, city 32), fetched by the app's tool/awqaf_fetch.js. Kept: Dubai, Abu Dhabi, Sharjah,
Ajman and Umm Al Quwain, 2026-03-01..06-15, UTC+4. Each city at the service's own point, from
its city list (v3/prayer-time/EmiratesAndCities, as saved in github.com/xalifaaa/
prayer-times-ics-generator, locations_cache.json, commit f707076): Dubai (city 32) 25.113055 N
55.108333 E, Abu Dhabi (1) 24.459444 N 54.300555 E, Sharjah (33) 25.315 N 55.348888 E, Ajman (41)
25.411666 N 55.432221 E, Umm Al Quwain (44) 25.554722 N 55.537777 E; the elevations are GeoNames'
(see the data README).

esa: SOURCE.csv is assets/csv/egypt_esa_2026_m1_m12.csv at commit
6d0d4986126eb187fbb505e4ddb720e987e5c39e: the monthly prayer tables of the Egyptian General
Authority of Survey (esa.gov.eg/monthlymwaket.aspx) for 2026, fetched by the app's tool/esa_fetch.js.
Kept: Cairo and Alexandria, the whole of 2026. Egypt's clock is UTC+2, and UTC+3 from the last
Friday of April (2026-04-24) to the last Thursday of October (2026-10-29), as the table's own times
show. The Authority publishes no reference point: each town is at the point tools/reference-point.py
reads from its January to June (Cairo 30.0776 N 31.2747 E, Alexandria 31.2368 N 29.9683 E; GeoNames'
points, used until 2026-12-09, lie 3 and 4 km away; see the data README).

Each SOURCE.csv may be the whole file as read_file or a raw download gives it, or only its header
and the rows of the towns kept (the files are large: 581,855, 91,210 and 1,651,553 characters);
rows of other towns are read and left out, so either gives the same output byte for byte.

All three files: "City,Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha", then "CITY,DD/MM/YYYY" and six
times on a 24-hour clock.
"""
import re
import sys

import authority_table

HEADER = 'City,Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha'
ROW = re.compile(r'^([^,]+),(\d{2})/(\d{2})/(\d{4})((?:,\d{2}:\d{2}){6})$')

# Table name: the comments, the clock (minutes east of UTC from each date on), and the towns kept:
# each town's name in the source, its first and last dates, and its place line.
TABLES = {
    'ummalqura': (['Umm al-Qura calendar (ummulqura.org.sa, KACST): its yearly tables for seven Saudi towns, 2026,',
                   'at the points the calendar computes for, as fetched by github.com/UAEHN/salah_tv. UTC+3. See README.'], [('', 180)],
                  [('Riyadh', '2026-01-01', '2026-12-31', 'place,Riyadh,24.6875,46.7050,612'),
                   ('Abha', '2026-01-01', '2026-12-31', 'place,Abha,18.2125,42.4975,2228'),
                   ('Mecca', '2026-01-01', '2026-12-31', 'place,Makkah,21.4225,39.8175,333'),
                   ('Medina', '2026-01-01', '2026-12-31', 'place,Madinah,24.4925,39.5900,603'),
                   ('Jeddah', '2026-01-01', '2026-12-31', 'place,Jeddah,21.50,39.17,7'),
                   ('Dammam', '2026-01-01', '2026-12-31', 'place,Dammam,26.4400,50.0950,10'),
                   ('Tabuk', '2026-01-01', '2026-12-31', 'place,Tabuk,28.3775,36.5350,768')]),
    'awqaf': (['General Authority of Islamic Affairs and Endowments, UAE: its prayer-time service for Dubai, Abu Dhabi',
               'Sharjah, Ajman and Umm Al Quwain, 2026-03-01..06-15, as fetched by github.com/UAEHN/salah_tv. UTC+4.',
               'See README.'], [('', 240)],
              [('Dubai', '2026-03-01', '2026-06-15', 'place,Dubai,25.113055,55.108333,24'),
               ('Abu Dhabi', '2026-03-01', '2026-06-15', 'place,Abu Dhabi,24.459444,54.300555,6'),
               ('Sharjah', '2026-03-01', '2026-06-15', 'place,Sharjah,25.315000,55.348888,6'),
               ('Ajman', '2026-03-01', '2026-06-15', 'place,Ajman,25.411666,55.432221,2'),
               ('Umm Al Quwain', '2026-03-01', '2026-06-15', 'place,Umm Al Quwain,25.554722,55.537777,2')]),
    'esa': (['Egyptian General Authority of Survey (esa.gov.eg): its monthly tables for Cairo and Alexandria, 2026,',
             'as fetched by github.com/UAEHN/salah_tv. UTC+2, UTC+3 from 2026-04-24 to 10-29. See README.'],
            [('', 120), ('2026-04-24', 180), ('2026-10-30', 120)],
            [('Cairo', '2026-01-01', '2026-12-31', 'place,Cairo,30.0776,31.2747,23'),
             ('Alexandria', '2026-01-01', '2026-12-31', 'place,Alexandria,31.2368,29.9683,9')]),
}


def zone_on(zones, date):
    """The clock's minutes east of UTC on an ISO date: the last step that has begun."""
    return [minutes for first, minutes in zones if first <= date][-1]


def main():
    if len(sys.argv) == 3 and sys.argv[1] not in TABLES:
        sys.exit('unknown table %r (%s)' % (sys.argv[1], ', '.join(sorted(TABLES))))
    lines = authority_table.source_lines(__doc__, arguments=2)
    if lines is None:
        return
    comments, zones, towns = TABLES[sys.argv[1]]
    if not lines or lines[0].strip() != HEADER:
        authority_table.fail(1, 'not the app\'s table (header %r)' % (lines[0] if lines else ''))
    days = {town[0]: [] for town in towns}
    for number, line in enumerate(lines[1:], start=2):
        match = ROW.match(line.strip())
        if not match:
            authority_table.fail(number, 'not a day: %r' % line)
        day, month, year = match.group(2), match.group(3), match.group(4)
        days.setdefault(match.group(1), []).append(('%s-%s-%s' % (year, month, day), match.group(5)[1:].split(',')))
    places = []
    for city, first, last, place in towns:
        kept = sorted((date, zone_on(zones, date), times) for date, times in days[city] if first <= date <= last)
        if len(kept) != len({date for date, _, _ in kept}):
            authority_table.fail(0, 'a date twice for %s' % city)
        places.append((place, kept))
    authority_table.write_places(comments, places)


if __name__ == '__main__':
    main()
