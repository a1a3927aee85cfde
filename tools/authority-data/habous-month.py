#!/usr/bin/env python3
"""Turns one page of the Moroccan Ministry of Habous and Islamic Affairs' prayer timetable (a city's
Hijri month, habous.gov.ma/prieres/index.php?ville=N) into
tests/engine/data/authorities/morocco-habous-months.csv.

    tools/authority-data/habous-month.py NAME LAT LON ELEVATION_M SOURCE.html

SOURCE.html is the page as served (or a saved copy holding at least its month header and its table
id="horaire"). The header names the Gregorian months the Hijri month spans, in the Moroccan names
("ghusht / shutanbir 2026"), and the year; the table has a heading row and then one row a day:
weekday, Hijri day (the last may read "according to the sighting"), Gregorian day, then dawn,
sunrise, noon, afternoon, sunset (Maghrib) and evening (Isha) as HH:MM. The Gregorian day column
rolls over into the second month where its number falls. Morocco's clock is UTC+1 outside Ramadan
(UTC+0 in Ramadan; a Ramadan page is not read here). NAME, LAT, LON and ELEVATION_M name the place
line: the point and height tools/habous-places.py reads for the town from the ministry's tables for
another month (the ministry publishes neither). The committed file is
    habous-month.py Rabat 34.028300 -6.853300 46 rabat-rabi-awwal-1448.html
"""
import datetime
import re
import sys

import authority_table

MONTHS = {'يناير': 1, 'فبراير': 2, 'مارس': 3, 'أبريل': 4, 'ماي': 5, 'يونيو': 6, 'يوليوز': 7,
          'غشت': 8, 'شتنبر': 9, 'أكتوبر': 10, 'نونبر': 11, 'دجنبر': 12}
ZONE_MINUTES = 60
COMMENTS = ['Ministry of Habous and Islamic Affairs, Morocco: its monthly prayer timetables (habous.gov.ma/prieres),',
            'one Hijri month of a city per place. Clock UTC+1 outside Ramadan. Points and heights: see README.']
ROW = re.compile(r'<tr[^>]*>(.*?)</tr>', re.S)
CELL = re.compile(r'<td[^>]*>(.*?)</td>', re.S)
TIME = re.compile(r'^\d{2}:\d{2}$')
GREGORIAN_HEADER = re.compile(r'<p>\s*([^<0-9]+?)\s+(\d{4})\s*</p>')


def main():
    lines = authority_table.source_lines(__doc__, 5)
    if lines is None:
        return
    name, latitude, longitude, elevation = sys.argv[1:5]
    page = '\n'.join(lines)
    months = GREGORIAN_HEADER.search(page)
    if not months or 'id="horaire"' not in page:
        authority_table.fail(0, 'no month header or no table id="horaire"')
    try:
        month_numbers = [MONTHS[word.strip()] for word in months.group(1).split('/')]
    except KeyError as error:
        authority_table.fail(0, 'not a month name: %s' % error)
    year = int(months.group(2))
    days = []
    month_index = 0
    previous_day = 0
    for row in ROW.findall(page[page.index('id="horaire"'):]):
        cells = [re.sub(r'\s+', ' ', cell).strip() for cell in CELL.findall(row)]
        if len(cells) != 9 or not TIME.match(cells[3]):
            continue  # the heading row
        day = int(cells[2])
        if day < previous_day:
            month_index += 1
        previous_day = day
        if month_index >= len(month_numbers):
            authority_table.fail(0, 'day %d runs past the months the header names' % day)
        month = month_numbers[month_index]
        date = datetime.date(year + (1 if month < month_numbers[0] else 0), month, day)
        times = cells[3:9]
        if not all(TIME.match(t) for t in times):
            authority_table.fail(0, '%s: not six times: %r' % (date, times))
        days.append((date.isoformat(), ZONE_MINUTES, times))
    authority_table.write_table(COMMENTS, 'place,%s,%s,%s,%s' % (name, latitude, longitude, elevation), days)


if __name__ == '__main__':
    main()
