#!/usr/bin/env python3
"""Turns the Tunisian meteorological institute's prayer times for Tunis, as a repository saved its
answers month by month, into tests/engine/data/authorities/tunisia-tunis.csv.

    tools/authority-data/tunisia-inm.py MONTH.csv... > tests/engine/data/authorities/tunisia-tunis.csv

Each MONTH.csv is one month of github.com/bsafwen/TunisianPrayerTimes (ISC licence) for the
delegation of Tunis (615 in its gouvernorats.json), its path ending in /615/YYYY/MM.csv:
docs/csv/615/2026/11.csv at commit 65f3de801d08bee58aef5755b05814f7cc3e3920 and
android-app/app/src/main/assets/csv/615/2026/07.csv and 12.csv at commit
ffb3c7b81791ed3b5c97c29f5c60f7f822b7fd97 (the app's copies of the same folder). Its README: every
time is the institute's (www.meteo.tn, horaire_gouvernorat and lever_coucher_gouvernorat), fetched
by the repository's scraper. "Day,Fajr,Shuruk,Duhr,Asr,Maghrib,Isha", then "DD" and six HH:MM times
of Tunisia's clock, UTC+1 all year. The institute publishes no reference point: the place is the
centre of Tunis (36 48 23 N, 10 10 54 E), at GeoNames' height (23 m; the method takes none).
"""
import datetime
import os
import re
import sys

import authority_table

ZONE_MINUTES = 60
PLACE = 'place,Tunis,36.8064,10.1817,23'
HEADER = 'Day,Fajr,Shuruk,Duhr,Asr,Maghrib,Isha'
MONTH_PATH = re.compile(r'(?:^|/)615/(\d{4})/(\d{2})\.csv$')
DAY = re.compile(r'^(\d{2})((?:,\d{2}:\d{2}){6})$')


def month_days(path):
    """The days of one month file: (ISO date, zone minutes, six times) each."""
    match = MONTH_PATH.search(path.replace(os.sep, '/'))
    if not match:
        sys.exit('%s: not a .../615/YYYY/MM.csv of the delegation of Tunis' % path)
    year, month = int(match.group(1)), int(match.group(2))
    try:
        with open(path, encoding='utf-8') as source:
            lines = source.read().splitlines()
    except (OSError, UnicodeDecodeError) as error:
        sys.exit('%s: %s' % (path, error))
    if not lines or lines[0].lstrip('\ufeff').strip() != HEADER:
        sys.exit('%s:1: not the header %s' % (path, HEADER))
    days = []
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        found = DAY.match(line.strip())
        if not found:
            sys.exit('%s:%d: not a day: %r' % (path, number, line))
        try:
            date = datetime.date(year, month, int(found.group(1)))
        except ValueError:
            sys.exit('%s:%d: no such date: %r' % (path, number, line))
        days.append((date.isoformat(), ZONE_MINUTES, found.group(2)[1:].split(',')))
    return days


def main():
    if len(sys.argv) < 2 or sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    days = sorted(day for path in sys.argv[1:] for day in month_days(path))
    dates = [day[0] for day in days]
    if len(set(dates)) != len(dates):
        sys.exit('a date given twice')
    authority_table.write_table(
        ['Institut National de la Meteorologie, Tunisia (www.meteo.tn): its prayer times for Tunis,',
         '2026-07, 2026-11 and 2026-12, as github.com/bsafwen/TunisianPrayerTimes saved them. UTC+1. See README.'],
        PLACE, days)


if __name__ == '__main__':
    main()
