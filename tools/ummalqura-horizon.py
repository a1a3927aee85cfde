#!/usr/bin/env python3
"""Reads the Umm al-Qura calendar's horizon and afternoon from its yearly tables for towns that are
not in the test data, the figures the makkah method uses (engine/calculation_method.cpp):

    tools/ummalqura-horizon.py SOURCE.csv [path/to/selvara-cli]

SOURCE.csv is assets/csv/saudi_prayer_times_2026.csv of github.com/UAEHN/salah_tv at commit
8375b37a336abd045dfe21ba46f175102a19923f (see tools/authority-data/mosque-display-tables.py): the
calendar's yearly tables for 2026, 29 towns. The seven towns of the test data
(tests/engine/data/authorities/ummalqura-yearly.csv) are left out; so are the towns the source
fetched at another town's point, Afif (no point) and "Al Badr", whose noons lie four minutes from
any Badr of the town list. The points are the calendar's own town list (tool/uq_saudi_cities.json,
commit f80e8e4); the heights are GeoNames', as the program's place list gives them.

For each town it prints the depression below the sea-level horizon (beyond the standard 0.833
degrees) that matches most of its sunrises and sunsets, and that depression over the geometric dip
of the town's height; then the share of the dip and the least depression that match most over all
the towns; then how much later than the geometric shadow rule the afternoons come. The console tool
gives the sun: `times --method mwl --elevation H` at 0 and 1000 m, and the minute of a sunrise or
sunset at another depression is interpolated between the two (at these latitudes the time moves
in proportion to the depression within a second).
"""
import math
import sys
from concurrent.futures import ThreadPoolExecutor

from calibration import console_minutes, console_tool, dated_minutes, dip_deg

# Name in the source, the calendar's point (its town list) and GeoNames' height in metres.
TOWNS = [
    ('Hail', 27.52, 41.70, 1002), ('Najran', 17.52, 44.20, 1310), ('Jizan', 16.89, 42.54, 19),
    ('Al Qassim', 26.35, 43.96, 606), ('Yanbu', 24.09, 38.07, 6), ('Al Kharj', 24.15, 47.32, 438),
    ('Hafr Al Batin', 28.40, 45.97, 310), ('Qatif', 26.56, 50.00, 3), ('Al Rass', 25.86, 43.48, 691),
    ('Rabigh', 22.79, 39.03, 7), ('Ad Dawadimi', 24.50, 44.38, 975), ('Bisha', 20.00, 42.60, 1168),
    ('Samitah', 16.59, 42.94, 62), ('Al Khafji', 28.42, 48.49, 3),
]
SUNRISE, NOON, AFTERNOON, SUNSET = 1, 2, 3, 4


def computed(cli, lat, lon, date, elevation_m):
    return console_minutes(cli, lat, lon, 3, date, 'mwl', elevation_m)


def main():
    if len(sys.argv) not in (2, 3) or sys.argv[1] in ('-h', '--help'):
        sys.exit(__doc__.strip())
    cli = console_tool(sys.argv)
    published = dated_minutes(sys.argv[1], {town[0] for town in TOWNS})
    rows = []  # (town, height, published minutes, minutes at sea level, minutes at 1000 m)
    with ThreadPoolExecutor(4) as pool:
        for name, lat, lon, height in TOWNS:
            dates = [date for date, _ in published.get(name, [])]
            if len(dates) != 365:
                sys.exit('%s: %d days of %s, not 365' % (sys.argv[1], len(dates), name))
            low = list(pool.map(lambda d: computed(cli, lat, lon, d, 0), dates))
            high = list(pool.map(lambda d: computed(cli, lat, lon, d, 1000), dates))
            for (date, times), at_sea, at_1000 in zip(published[name], low, high):
                rows.append((name, height, times, at_sea, at_1000))
    dip_1000 = dip_deg(1000)

    def matched(rows_of, depression_of):
        count = 0
        for name, height, times, at_sea, at_1000 in rows_of:
            depression = depression_of(height)
            for column in (SUNRISE, SUNSET):
                moment = at_sea[column] + (at_1000[column] - at_sea[column]) * depression / dip_1000
                count += math.floor(moment + 0.5) == times[column]
        return count

    print('town           height   depression  over the dip  matched')
    for name, lat, lon, height in TOWNS:
        own = [row for row in rows if row[0] == name]
        best = max((matched(own, lambda h, d=d / 100.0: d), d / 100.0) for d in range(0, 300))
        ratio = '%.2f' % (best[1] / dip_deg(height)) if height >= 100 else '-'
        print('%-14s %5d m  %6.2f deg   %8s    %d/%d' % (name, height, best[1], ratio, best[0], 2 * len(own)))
    grid = max((matched(rows, lambda h, s=s / 100.0, l=l / 100.0: max(l, s * dip_deg(h))), s / 100.0, l / 100.0)
               for s in range(110, 141) for l in range(25, 46))
    print('best over all: %.2f of the dip, %.2f deg at the least: %.1f %% of %d sunrises and sunsets'
          % (grid[1], grid[2], 100.0 * grid[0] / (2 * len(rows)), 2 * len(rows)))
    late = [times[AFTERNOON] - at_sea[AFTERNOON] for _, _, times, at_sea, _ in rows]
    noon = [times[NOON] - 1 - at_sea[NOON] for _, _, times, at_sea, _ in rows]
    print('published minus computed, mean: afternoon %+.2f min (geometric shadow rule), noon %+.2f min'
          % (sum(late) / len(late), sum(noon) / len(noon)))


if __name__ == '__main__':
    main()
