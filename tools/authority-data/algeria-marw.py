#!/usr/bin/env python3
"""Turns the Algerian Ministry of Religious Affairs' prayer calendar for Algiers, as transcribed in
github.com/mohammedi-haroune/salat-dz (MIT), into tests/engine/data/authorities/algeria-algiers.csv.

    tools/authority-data/algeria-marw.py SOURCE.csv > tests/engine/data/authorities/algeria-algiers.csv

SOURCE.csv is assets/20-21/mawaqit/<Algiers in Arabic>.csv at commit
435332517a8845fa10f7c98c23335767a9e6257f of that repository: a header in Arabic, then one line a
day, "YYYY-MM-DD,HH:MM:SS x 6" (dawn, sunrise, noon, afternoon, sunset, evening). The seconds are
always :00; they are dropped. Algeria's clock is UTC+1 all year. The ministry publishes no reference point, so
the place is the town's centre as its encyclopedia article gives it (36 45 14 N, 3 03 32 E; see the
data README).
"""
import re
import sys

ZONE_MINUTES = 60
PLACE = 'place,Algiers,36.753889,3.058889,113'
DAY = re.compile(r'^(\d{4}-\d{2}-\d{2})((?:,\d{2}:\d{2}:00){6})$')


def main():
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    lines = open(sys.argv[1], encoding='utf-8').read().splitlines()
    out = ['# Ministry of Religious Affairs and Endowments, Algeria (marw.dz): its prayer calendar for Algiers,',
           '# 2020-08-20..2021-08-09, as transcribed by github.com/mohammedi-haroune/salat-dz. Clock UTC+1. See README.',
           PLACE,
           'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening']
    for number, line in enumerate(lines[1:], start=2):
        match = DAY.match(line.strip())
        if not match:
            sys.exit('%s:%d: not a day: %r' % (sys.argv[1], number, line))
        times = [t[:5] for t in match.group(2)[1:].split(',')]
        out.append('%s,%d,%s' % (match.group(1), ZONE_MINUTES, ','.join(times)))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
