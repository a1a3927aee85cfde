#!/usr/bin/env python3
"""Turns one page of the Moroccan Ministry of Habous and Islamic Affairs' prayer timetable (a city's
Hijri month, habous.gov.ma/prieres/index.php?ville=N) into a place block of
tests/engine/data/authorities/morocco-habous-months.csv.

    tools/authority-data/habous-month.py [--header] SOURCE.html NAME LAT LON ELEVATION_M

SOURCE.html is the page as served (or a saved copy holding at least its month header and its table
id="horaire"). The header names the Gregorian months the Hijri month spans, in the Moroccan names
("ghusht / shutanbir 2026"), and the year; the table has a heading row and then one row a day:
weekday, Hijri day (the last may read "according to the sighting"), Gregorian day, then dawn,
sunrise, noon, afternoon, sunset (Maghrib) and evening (Isha) as HH:MM. The Gregorian day column
rolls over into the second month where its number falls. Morocco's clock is UTC+1 outside Ramadan
(UTC+0 in Ramadan): --zone-minutes changes it. NAME, LAT, LON and ELEVATION_M name the place line:
the town's centre as the data README lists it (the ministry publishes no reference point) and
GeoNames' dem elevation. The committed file is
    habous-month.py --header rabat-rabi-awwal-1448.html Rabat 34.033333 -6.833333 46

Prints the place line and one line a day; with --header the file's comment lines and column header
come first.
"""
import datetime
import re
import sys

MONTHS = {'يناير': 1, 'فبراير': 2, 'مارس': 3, 'أبريل': 4, 'ماي': 5, 'يونيو': 6, 'يوليوز': 7,
          'غشت': 8, 'شتنبر': 9, 'أكتوبر': 10, 'نونبر': 11, 'دجنبر': 12}
HEADER = ['# Ministry of Habous and Islamic Affairs, Morocco: its monthly prayer timetables (habous.gov.ma/prieres),',
          '# one Hijri month of a city per place. Clock UTC+1 outside Ramadan. Elevations: GeoNames dem. See README.',
          'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening']
ROW = re.compile(r'<tr[^>]*>(.*?)</tr>', re.S)
CELL = re.compile(r'<td[^>]*>(.*?)</td>', re.S)
TIME = re.compile(r'^\d{2}:\d{2}$')
GREGORIAN_HEADER = re.compile(r'<p>\s*([^<0-9]+?)\s+(\d{4})\s*</p>')


def main():
    arguments = sys.argv[1:]
    if arguments and arguments[0] in ('-h', '--help'):
        print(__doc__.strip())
        return
    header = bool(arguments) and arguments[0] == '--header'
    if header:
        arguments = arguments[1:]
    zone_minutes = 60
    if len(arguments) >= 2 and arguments[0] == '--zone-minutes':
        zone_minutes = int(arguments[1])
        arguments = arguments[2:]
    if len(arguments) != 5:
        sys.exit(__doc__.strip())
    source, name, latitude, longitude, elevation = arguments
    page = open(source, encoding='utf-8').read()
    months = GREGORIAN_HEADER.search(page)
    if not months:
        sys.exit('%s: no Gregorian month header' % source)
    month_numbers = [MONTHS[word.strip()] for word in months.group(1).split('/')]
    year = int(months.group(2))
    out = list(HEADER[:2]) if header else []
    out.append('place,%s,%s,%s,%s' % (name, latitude, longitude, elevation))
    if header:
        out.append(HEADER[2])
    month_index = 0
    previous_day = 0
    table = page[page.index('id="horaire"'):]
    for row in ROW.findall(table):
        cells = [re.sub(r'\s+', ' ', cell).strip() for cell in CELL.findall(row)]
        if len(cells) != 9 or not TIME.match(cells[3]):
            continue  # the heading row
        day = int(cells[2])
        if day < previous_day:
            month_index += 1
        previous_day = day
        month = month_numbers[month_index]
        date = datetime.date(year + (1 if month < month_numbers[0] else 0), month, day)
        times = cells[3:9]
        if not all(TIME.match(t) for t in times):
            sys.exit('%s: %s: not six times: %r' % (source, date, times))
        out.append('%s,%d,%s' % (date.isoformat(), zone_minutes, ','.join(times)))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
