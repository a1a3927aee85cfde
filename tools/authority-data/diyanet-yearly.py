#!/usr/bin/env python3
"""Turns Diyanet's prayer table of a district, as cached from namazvakitleri.diyanet.gov.tr in
github.com/TA1GI/namaz_vakitleri (the yearly table) or github.com/masaajid-hub/prayer-times (the page's
monthly table), into a place block of tests/engine/data/authorities/diyanet-yearly.csv.

    tools/authority-data/diyanet-yearly.py SOURCE.json NAME LAT LON FROM..TO [FROM..TO ...]

SOURCE.json is one district's file of that repository (2025/ISTANBUL_9541.json and
2025/ADANA_9146.json at commit 2059ca7ccb818834b37d74073a7941c61d6c9e16): a JSON array of days, each with "miladiTarih"
("01 Ocak 2025 Carsamba": day, Turkish month name, year, weekday), "imsak", "gunes", "ogle",
"ikindi", "aksam" and "yatsi" (dawn, sunrise, noon, afternoon, sunset, evening, HH:MM). Only the
days inside the FROM..TO ranges (YYYY-MM-DD..YYYY-MM-DD, both ends included) are written. NAME,
LAT and LON name the place line: Diyanet's own coordinates for the district where it publishes
them. Turkey's clock is UTC+3 all year since September 2016.

A SOURCE ending in .txt is the district page's text as saved in masaajid-hub/prayer-times
(test-data/input/ankara-turkey.txt at commit bb7584bd14d77ac88f546011c6d5330091f2164d): its
"Monthly Prayer Times" lines, "DD.MM.YYYY<TAB>Hijri date<TAB>Fajr<TAB>Sun<TAB>Dhuhr<TAB>Asr<TAB>
Maghrib<TAB>Isha"; the page's other lines are skipped.

Prints the place line, then one line a day; the file's two comment lines and its header come first
when --header is given before SOURCE.json. The committed file is

    diyanet-yearly.py --header ISTANBUL_9541.json Istanbul 41.012 28.974 2025-01-01..2025-03-04
        2025-06-23..2025-08-22          (one command line), followed by
    diyanet-yearly.py ADANA_9146.json Adana 36.987 35.326 2025-04-21..2025-06-21
    diyanet-yearly.py ankara-turkey.txt Ankara 39.938 32.848 2025-09-14..2025-10-14
"""
import datetime
import json
import re
import sys

ZONE_MINUTES = 180
MONTHS = {'ocak': 1, 'subat': 2, 'mart': 3, 'nisan': 4, 'mayis': 5, 'haziran': 6, 'temmuz': 7,
          'agustos': 8, 'eylul': 9, 'ekim': 10, 'kasim': 11, 'aralik': 12}
FOLD = str.maketrans('çğıöşüÇĞİÖŞÜ', 'cgiosuCGIOSU')
KEYS = ('imsak', 'gunes', 'ogle', 'ikindi', 'aksam', 'yatsi')
TIME = re.compile(r'^\d{2}:\d{2}$')
PAGE_DATE = re.compile(r'^(\d{2})\.(\d{2})\.(\d{4})$')
HEADER = ['# Diyanet Isleri Baskanligi (Turkey): its yearly prayer tables (namazvakitleri.diyanet.gov.tr) as',
          '# cached by github.com/TA1GI/namaz_vakitleri. Clock UTC+3. Coordinates: Diyanet\'s own. See README.',
          'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening']


def gregorian_date(text):
    fields = text.translate(FOLD).lower().split()
    if len(fields) < 3 or fields[1] not in MONTHS:
        raise ValueError('not a date: %r' % text)
    return datetime.date(int(fields[2]), MONTHS[fields[1]], int(fields[0]))


def page_days(text):
    """The monthly table's lines of a saved district page, in the yearly file's shape."""
    days = []
    for line in text.splitlines():
        fields = line.split('\t')
        match = PAGE_DATE.match(fields[0])
        if not match or len(fields) != 8:
            continue
        day, month, year = (int(group) for group in match.groups())
        month_name = [name for name, number in MONTHS.items() if number == month][0]
        days.append(dict(zip(('miladiTarih',) + KEYS, ['%02d %s %d' % (day, month_name, year)] + fields[2:])))
    return days


def parse_range(text):
    first, _, last = text.partition('..')
    return datetime.date.fromisoformat(first), datetime.date.fromisoformat(last)


def main():
    arguments = sys.argv[1:]
    if arguments and arguments[0] in ('-h', '--help'):
        print(__doc__.strip())
        return
    header = bool(arguments) and arguments[0] == '--header'
    if header:
        arguments = arguments[1:]
    if len(arguments) < 5:
        sys.exit(__doc__.strip())
    source, name, latitude, longitude = arguments[:4]
    ranges = [parse_range(text) for text in arguments[4:]]
    if source.endswith('.txt'):
        days = page_days(open(source, encoding='utf-8').read())
    else:
        days = json.load(open(source, encoding='utf-8'))
    out = list(HEADER) if header else []
    out.insert(len(out) - 1 if header else 0, 'place,%s,%s,%s,0' % (name, latitude, longitude))
    for day in days:
        date = gregorian_date(day['miladiTarih'])
        if not any(first <= date <= last for first, last in ranges):
            continue
        times = [day[key] for key in KEYS]
        if not all(TIME.match(t) for t in times):
            sys.exit('%s: %s: not six times: %r' % (source, date, times))
        out.append('%s,%d,%s' % (date.isoformat(), ZONE_MINUTES, ','.join(times)))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
