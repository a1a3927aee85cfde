#!/usr/bin/env python3
"""Turns the prayer listing of the UAE's General Authority of Islamic Affairs and Endowments
(awqaf.gov.ae) for Dubai, September 2025, as copied into github.com/masaajid-hub/prayer-times, into
tests/engine/data/authorities/awqaf-dubai.csv.

    tools/authority-data/awqaf-uae.py SOURCE.txt > tests/engine/data/authorities/awqaf-dubai.csv

SOURCE.txt is test-data/input/dubai-uae.txt at commit bb7584bd14d77ac88f546011c6d5330091f2164d of
that repository: a header row, then one row a day, "Weekday M/D/YYYY D/M/YYYY(Hijri)" and six times
on a 12-hour clock with AM/PM (dawn, sunrise, noon, afternoon, sunset, evening), then the
Authority's name as the listing's footer. The listing does not name its city; the copy says Dubai
(its fetch of 2025-09-15) and the noons fit Dubai's longitude, not Abu Dhabi's. The UAE's clock is
UTC+4. The place is the Authority's own point for Dubai (city 32) from the city list of its
prayer-time service (25.113055 N, 55.108333 E; see the data README); until 2026-12-08 it was the
town's centre as its encyclopedia article gives it (25 15 55 N, 55 17 33 E).
"""
import datetime
import re

import authority_table

ZONE_MINUTES = 240
PLACE = 'place,Dubai,25.113055,55.108333,24'
TIME = r' (\d{2}):(\d{2}) (AM|PM)'
ROW = re.compile(r'^[A-Z][a-z]+day (\d{1,2})/(\d{1,2})/(\d{4}) \d{1,2}/\d{1,2}/\d{4}' + TIME * 6 + r'$')


def clock_24(hours, minutes, half):
    hours = int(hours) % 12 + (12 if half == 'PM' else 0)
    return '%02d:%s' % (hours, minutes)


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    if 'Islamic Affairs & Endowments' not in ' '.join(lines[-4:]):
        authority_table.fail(0, "not the Authority's listing")
    days = []
    for line in lines[1:]:
        match = ROW.match(line.strip())
        if not match:
            continue
        groups = match.groups()
        date = datetime.date(int(groups[2]), int(groups[0]), int(groups[1]))
        times = [clock_24(*groups[3 + 3 * i:6 + 3 * i]) for i in range(6)]
        days.append((date.isoformat(), ZONE_MINUTES, times))
    authority_table.write_table(
        ['General Authority of Islamic Affairs and Endowments, UAE (awqaf.gov.ae): its prayer listing for',
         'Dubai, 2025-09-01..30, as copied by github.com/masaajid-hub/prayer-times. Clock UTC+4. See README.'],
        PLACE, days)

if __name__ == '__main__':
    main()
