#!/usr/bin/env python3
"""Reads, from the Moroccan Ministry of Habous' tables for a month outside the test data, the height
each town's sunrise and sunset are computed for, under the morocco method's rule.

    tools/habous-heights.py SOURCE_DIR [path/to/selvara-cli]

SOURCE_DIR holds the ministry's city tables as github.com/schawki/habous-prayer-times-data keeps
them, data/times/N.json (N the town's number on habous.gov.ma/prieres/horaire_hijri_2.php?ville=N;
fetched there on 2026-10-03, 2026-09-26..10-12): {"days": {"YYYY-MM-DD": {"sunrise": "HH:MM",
"maghrib": "HH:MM", ...}}, "utc_offset": "+00:00", ...}. The towns are those of the test data
(morocco-habous-cities.csv and Rabat in morocco-habous.csv), at the test data's points; the
heights printed are what those files' place lines carry.

The ministry publishes no heights, and GeoNames' do not explain its sunrises and sunsets: each
town's lie outside the sea-level sun by an amount of its own, the same in spring and in autumn to a
few hundredths of a degree, which GeoNames' height gives for the high towns but not for most towns
by the sea (Tangier, Kenitra, Agadir rise and set as if higher). So each town gets the height at
which the morocco method, as the console tool computes it, prints most of the month's sunrises and
sunsets as published, the one nearest the middle of those equally good; GeoNames' height stays
where it matches as many (there the month shows nothing else). Sunrise and sunset are computed by the console tool at
three heights a day and interpolated in the geometric dip (quadratic; within a second over 0-2 deg).
It prints, a town a line: its GeoNames height, the height it takes and the share of the month's
sunrises and sunsets matched at each.
"""
import json
import math
import os
import sys

import calibration

DATA = os.path.join(calibration.ROOT, 'tests', 'engine', 'data', 'authorities')
TABLES = ('morocco-habous-cities.csv', 'morocco-habous.csv')
# The test data's town name -> its number on habous.gov.ma and GeoNames' dem height in metres.
TOWNS = {
    'Rabat': (1, 46), 'Kenitra': (7, 13), 'Sidi Qacem': (8, 83), 'Tangier': (14, 20), 'Tetouan': (15, 121),
    'Oujda': (31, 549), 'Taourirt': (38, 394), 'Nador': (39, 19), 'Casablanca': (58, 27),
    'Settat': (61, 365), 'Berrechid': (65, 220), 'Khouribga': (79, 804), 'Fes': (81, 406),
    'Sefrou': (82, 809), 'Taza': (89, 530), 'Meknes': (99, 531), 'Ifrane': (100, 1648),
    'Marrakech': (104, 457), 'Essaouira': (106, 7), 'Safi': (111, 45), 'Agadir': (117, 31),
    'Taroudant': (118, 237), 'Errachidia': (128, 1039), 'Arfoud': (130, 809), 'Midelt': (136, 1462),
    'Zagora': (137, 733), 'Ouarzazat': (138, 1113), 'Tinghir': (139, 1281), 'Guelmim': (149, 301),
}
SAMPLE_HEIGHTS_M = (0, 800, 3000)
HIGHEST_M = 4000
SUNRISE, SUNSET = 1, 4


def test_data_points():
    """{name: (latitude, longitude)} of the first place line of each town in TABLES."""
    places = {}
    for table in TABLES:
        with open(os.path.join(DATA, table), encoding='ascii') as f:
            for line in f:
                fields = line.strip().split(',')
                if fields[0] == 'place' and fields[1] not in places:
                    places[fields[1]] = (float(fields[2]), float(fields[3]))
    return places


def quadratic(xs, ys, x):
    """The value at x of the parabola through three points."""
    (x0, x1, x2), (y0, y1, y2) = xs, ys
    return (y0 * (x - x1) * (x - x2) / ((x0 - x1) * (x0 - x2)) + y1 * (x - x0) * (x - x2) / ((x1 - x0) * (x1 - x2))
            + y2 * (x - x0) * (x - x1) / ((x2 - x0) * (x2 - x1)))


def month_of(path):
    """[(ISO date, zone hours, published sunrise minutes, published sunset minutes)]"""
    with open(path, encoding='utf-8') as f:
        table = json.load(f)
    offset = table['utc_offset']
    zone_hours = (1 if offset[0] == '+' else -1) * (int(offset[1:3]) + int(offset[4:6]) / 60.0)
    return [(date, zone_hours, calibration.minutes_of(day['sunrise']), calibration.minutes_of(day['maghrib']))
            for date, day in sorted(table['days'].items())]


def matched(samples, dip):
    """How many of the month's sunrises and sunsets the method prints as published at the height
    whose geometric dip is dip, and the mean of published less computed."""
    count, residuals = 0, []
    for dips, rises, sets, published_rise, published_set in samples:
        for computed, published in ((quadratic(dips, rises, dip), published_rise),
                                    (quadratic(dips, sets, dip), published_set)):
            count += int(computed + 0.5) == published
            residuals.append(published - computed)
    return count, sum(residuals) / len(residuals)


def main():
    if len(sys.argv) < 2 or sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    source_dir, cli = sys.argv[1], calibration.console_tool(sys.argv)
    points = test_data_points()
    dips = tuple(calibration.dip_deg(h) for h in SAMPLE_HEIGHTS_M)
    print('%-11s %6s %6s %9s %9s' % ('town', 'GeoNames', 'height', 'at GeoNames', 'at height'))
    for name, (number, geonames_m) in sorted(TOWNS.items(), key=lambda item: item[1][1]):
        latitude, longitude = points[name]
        samples = []
        for date, zone_hours, rise, sunset in month_of(os.path.join(source_dir, '%d.json' % number)):
            computed = [calibration.console_minutes(cli, latitude, longitude, zone_hours, date, 'morocco', h)
                        for h in SAMPLE_HEIGHTS_M]
            samples.append((dips, [c[SUNRISE] for c in computed], [c[SUNSET] for c in computed], rise, sunset))
        scored = [(matched(samples, calibration.dip_deg(h)), h) for h in range(0, HIGHEST_M + 1)]
        best = max(score[0] for score, _ in scored)
        plateau = [(abs(score[1]), h) for score, h in scored if score[0] == best]
        at_geonames = matched(samples, calibration.dip_deg(geonames_m))[0]
        height_m = geonames_m if at_geonames == best else min(plateau)[1]
        total = 2 * len(samples)
        print('%-11s %6d %6d %8.1f %% %8.1f %%' % (name, geonames_m, height_m, 100.0 * at_geonames / total,
                                                   100.0 * best / total))


if __name__ == '__main__':
    main()
