#!/usr/bin/env python3
"""Turns the Umm al-Qura calendar's prayer times for Riyadh, Rabi' al-Awwal 1447, as copied from
ummulqura.org.sa into github.com/masaajid-hub/prayer-times, into
tests/engine/data/authorities/ummalqura-riyadh.csv.

    tools/authority-data/ummalqura-riyadh.py SOURCE.txt > tests/engine/data/authorities/ummalqura-riyadh.csv

SOURCE.txt is test-data/input/riyadh-ummAlQura.txt at commit
bb7584bd14d77ac88f546011c6d5330091f2164d of that repository: the page's address, its title (the
prayer times for the city of Riyadh, the Hijri month), a header row in Arabic, then one
tab-separated row a day: Hijri day, Gregorian day (with the month's Arabic name on the month's
first row), dawn, sunrise, noon, afternoon, sunset, evening. The page prints every time on a
12-hour clock without AM/PM: dawn and sunrise are morning times, noon is 11 or 12 o'clock, the
afternoon, sunset and evening are turned into 24 hours. The page gives no year: Rabi' al-Awwal 1447
began on 24 August 2025 by the same calendar. Saudi Arabia's clock is UTC+3. The place is the
calendar's own point for the town, from its town list (24.67 N, 46.69 E, as copied in
github.com/UAEHN/salah_tv, tool/uq_saudi_cities.json; see the data README).
"""
import datetime
import re

import authority_table

ZONE_MINUTES = 180
FIRST_DAY = datetime.date(2025, 8, 24)
PLACE = 'place,Riyadh,24.67,46.69,612'
ARABIC_MONTHS = {'أغسطس': 8, 'سبتمبر': 9}
ROW = re.compile(r'^(\d{1,2})\t(\d{1,2})(?: (\S+))?((?:\t\d{2}:\d{2}){6})$')
PM_TIMES = (3, 4, 5)   # afternoon, sunset and evening


def clock_24(text, index):
    hours, minutes = int(text[:2]), int(text[3:])
    if index in PM_TIMES and hours < 12:
        hours += 12
    return '%02d:%02d' % (hours, minutes)


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    days = []
    month = None
    for number, line in enumerate(lines, start=1):
        match = ROW.match(line.strip())
        if not match:
            continue
        hijri_day, day, month_name = int(match.group(1)), int(match.group(2)), match.group(3)
        if month_name is not None:
            if month_name not in ARABIC_MONTHS:
                authority_table.fail(number, 'unknown month %r' % month_name)
            month = ARABIC_MONTHS[month_name]
        date = FIRST_DAY + datetime.timedelta(days=hijri_day - 1)
        if month is None or (date.month, date.day) != (month, day):
            authority_table.fail(number, 'Hijri day %d is not %s' % (hijri_day, date))
        times = [clock_24(t, i) for i, t in enumerate(match.group(4)[1:].split('\t'))]
        days.append((date.isoformat(), ZONE_MINUTES, times))
    authority_table.write_table(
        ['Umm al-Qura calendar (ummulqura.org.sa, KACST): prayer times for Riyadh, Rabi al-Awwal 1447',
         '(2025-08-24..09-22), as copied by github.com/masaajid-hub/prayer-times. Clock UTC+3. See README.'],
        PLACE, days)

if __name__ == '__main__':
    main()
