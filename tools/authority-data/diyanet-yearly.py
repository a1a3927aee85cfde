#!/usr/bin/env python3
"""Turns Diyanet's prayer tables of three districts, as cached from namazvakitleri.diyanet.gov.tr in
github.com/TA1GI/namaz_vakitleri (the yearly table) and github.com/masaajid-hub/prayer-times (the
page's monthly table), into tests/engine/data/authorities/diyanet-yearly.csv.

    tools/authority-data/diyanet-yearly.py ISTANBUL_9541.json ADANA_9146.json ankara-turkey.txt \
        > tests/engine/data/authorities/diyanet-yearly.csv

ISTANBUL_9541.json and ADANA_9146.json are 2025/ISTANBUL_9541.json and 2025/ADANA_9146.json at
commit 2059ca7ccb818834b37d74073a7941c61d6c9e16 of TA1GI/namaz_vakitleri: a JSON array of days,
each with "miladiTarih" ("01 Ocak 2025 Carsamba": day, Turkish month name, year, weekday),
"imsak", "gunes", "ogle", "ikindi", "aksam" and "yatsi" (dawn, sunrise, noon, afternoon, sunset,
evening, HH:MM). ankara-turkey.txt is test-data/input/ankara-turkey.txt at commit
bb7584bd14d77ac88f546011c6d5330091f2164d of masaajid-hub/prayer-times, the text of the district
page: its "Monthly Prayer Times" lines read "DD.MM.YYYY<TAB>Hijri date<TAB>Fajr<TAB>Sun<TAB>Dhuhr
<TAB>Asr<TAB>Maghrib<TAB>Isha"; the page's other lines are skipped.

Only the days inside each district's ranges (DISTRICTS below, both ends included) are written, at
Diyanet's own coordinates for the town (see the data README). Turkey's clock is UTC+3 all year
since September 2016.
"""
import datetime
import json
import re
import sys

import authority_table

ZONE_MINUTES = 180
# Each source in command-line order: the place line's town and Diyanet's point, and the days taken.
DISTRICTS = (
    ('Istanbul', '41.012', '28.974', (('2025-01-01', '2025-03-04'), ('2025-06-23', '2025-08-22'))),
    ('Adana', '36.987', '35.326', (('2025-04-21', '2025-06-21'),)),
    ('Ankara', '39.938', '32.848', (('2025-09-14', '2025-10-14'),)),
)
MONTHS = {'ocak': 1, 'subat': 2, 'mart': 3, 'nisan': 4, 'mayis': 5, 'haziran': 6, 'temmuz': 7,
          'agustos': 8, 'eylul': 9, 'ekim': 10, 'kasim': 11, 'aralik': 12}
FOLD = str.maketrans('çğıöşüÇĞİÖŞÜ', 'cgiosuCGIOSU')
KEYS = ('imsak', 'gunes', 'ogle', 'ikindi', 'aksam', 'yatsi')
TIME = re.compile(r'^\d{2}:\d{2}$')
PAGE_DATE = re.compile(r'^(\d{2})\.(\d{2})\.(\d{4})$')


def gregorian_date(text):
    fields = text.translate(FOLD).lower().split()
    if len(fields) < 3 or fields[1] not in MONTHS:
        raise ValueError('not a date: %r' % text)
    return datetime.date(int(fields[2]), MONTHS[fields[1]], int(fields[0]))


def yearly_days(text):
    """(date, six times) of a cached yearly table."""
    return [(gregorian_date(day['miladiTarih']), [day[key] for key in KEYS]) for day in json.loads(text)]


def page_days(text):
    """(date, six times) of the monthly table on a saved district page."""
    days = []
    for line in text.splitlines():
        fields = line.split('\t')
        match = PAGE_DATE.match(fields[0])
        if match and len(fields) == 8:
            day, month, year = (int(group) for group in match.groups())
            days.append((datetime.date(year, month, day), fields[2:]))
    return days


def main():
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    if len(sys.argv) != 1 + len(DISTRICTS):
        sys.exit(__doc__.strip())
    places = []
    for source, (town, latitude, longitude, ranges) in zip(sys.argv[1:], DISTRICTS):
        try:
            text = open(source, encoding='utf-8').read()
            days = page_days(text) if source.endswith('.txt') else yearly_days(text)
        except (OSError, ValueError, KeyError, TypeError) as error:
            sys.exit('%s: %s' % (source, error))
        taken = []
        for date, times in days:
            if not any(first <= date.isoformat() <= last for first, last in ranges):
                continue
            if not all(TIME.match(t) for t in times):
                sys.exit('%s: %s: not six times: %r' % (source, date, times))
            taken.append((date.isoformat(), ZONE_MINUTES, times))
        places.append(('place,%s,%s,%s,0' % (town, latitude, longitude), taken))
    authority_table.write_places(
        ['Diyanet Isleri Baskanligi (Turkey): its prayer tables (namazvakitleri.diyanet.gov.tr) as cached by',
         'TA1GI/namaz_vakitleri and masaajid-hub/prayer-times. Clock UTC+3. Diyanet\'s own points. See README.'],
        places)


if __name__ == '__main__':
    main()
