#!/usr/bin/env python3
"""Reads, from the Moroccan Ministry of Habous' tables for a month outside the test data, the point
and the height each town's table is computed for, under the morocco method's rule.

    tools/habous-places.py SOURCE_DIR [path/to/selvara-cli]

SOURCE_DIR holds the ministry's city tables as github.com/schawki/habous-prayer-times-data keeps
them, data/times/N.json (N the town's number on habous.gov.ma/prieres/horaire_hijri_2.php?ville=N;
fetched there on 2026-10-03, 2026-09-26..10-12): {"days": {"YYYY-MM-DD": {"fajr": "HH:MM",
"sunrise": ..., "dhuhr": ..., "asr": ..., "maghrib": ..., "isha": ...}}, "utc_offset": "+00:00", ...}.
The towns are those of the test data (morocco-habous-cities.csv, and Rabat and ten of them in
morocco-habous.csv and morocco-habous-months.csv).

The ministry publishes neither. Its sunrises and sunsets lie outside the sea-level sun by an amount
of each town's own, the same in spring and in autumn to a few hundredths of a degree, which
GeoNames' heights give for the high towns but not for most towns by the sea (Tangier, Kenitra and
Agadir rise and set as if higher); and some towns' noons come a fraction of a minute off their
centres' (Casablanca's 0.3 minutes late, as 7 km further west). So each town is read in turn: the
height at which the morocco method, as the console tool computes it, prints most of the month's
sunrises and sunsets as published (at the town's centre, as the data README gives it); then the
point within 0.1 degrees of the centre at which it prints most of all six times so (at that
height); then the height again at that point. Of equally good heights the one nearest the middle
of them is taken, and GeoNames' where it is one of them; of equally good points the nearest the
centre. Sunrise and sunset are computed by the console tool at three heights a day and
interpolated in the geometric dip (quadratic; within a second over 0-2 degrees); the point is read
by calibration.read_point. It prints, a town a line, the place line's point and height and the
share of the month's times matched at the centre and GeoNames' height and at those.
"""
import json
import os
import sys

import calibration

METHOD = 'morocco'
# The test data's town name -> its number on habous.gov.ma, its centre (latitude and longitude, as
# the data README gives it) and GeoNames' dem height in metres.
TOWNS = {
    'Rabat': (1, 34.033333, -6.833333, 46),
    'Kenitra': (7, 34.250000, -6.583333, 13),
    'Sidi Qacem': (8, 34.216667, -5.700000, 83),
    'Tangier': (14, 35.776667, -5.803889, 20),
    'Tetouan': (15, 35.572500, -5.354722, 121),
    'Oujda': (31, 34.689167, -1.911389, 549),
    'Taourirt': (38, 34.416944, -2.885000, 394),
    'Nador': (39, 35.166667, -2.933333, 19),
    'Casablanca': (58, 33.533333, -7.583333, 27),
    'Settat': (61, 33.000000, -7.616667, 365),
    'Berrechid': (65, 33.266667, -7.583333, 220),
    'Khouribga': (79, 32.883333, -6.900000, 804),
    'Fes': (81, 34.050000, -4.983056, 406),
    'Sefrou': (82, 33.829356, -4.839478, 809),
    'Taza': (89, 34.216667, -4.016667, 530),
    'Meknes': (99, 33.895000, -5.554722, 531),
    'Ifrane': (100, 33.533333, -5.116667, 1648),
    'Marrakech': (104, 31.630000, -8.008889, 457),
    'Essaouira': (106, 31.513056, -9.769722, 7),
    'Safi': (111, 32.283333, -9.233333, 45),
    'Agadir': (117, 30.421389, -9.583056, 31),
    'Taroudant': (118, 30.471000, -8.880600, 237),
    'Errachidia': (128, 31.931944, -4.424444, 1039),
    'Arfoud': (130, 31.436111, -4.232778, 809),
    'Midelt': (136, 32.680000, -4.730000, 1462),
    'Zagora': (137, 30.330556, -5.838056, 733),
    'Ouarzazat': (138, 30.916667, -6.916667, 1113),
    'Tinghir': (139, 31.514722, -5.532778, 1281),
    'Guelmim': (149, 28.983333, -10.066667, 301),
}
KEYS = ('fajr', 'sunrise', 'dhuhr', 'asr', 'maghrib', 'isha')


def month_of(path):
    """[(ISO date, zone minutes, six published minutes)] of one town's file."""
    with open(path, encoding='utf-8') as f:
        table = json.load(f)
    offset = table['utc_offset']
    zone_minutes = (1 if offset[0] == '+' else -1) * (int(offset[1:3]) * 60 + int(offset[4:6]))
    return [(date, zone_minutes, [calibration.minutes_of(day[key]) for key in KEYS])
            for date, day in sorted(table['days'].items())]


def share(cli, days, latitude, longitude, height_m):
    rows = [(published, calibration.method_minutes(cli, latitude, longitude, height_m, date, zone_minutes, METHOD))
            for date, zone_minutes, published in days]
    matched, compared = calibration.matched_count(rows, calibration.ROUNDINGS[METHOD])
    return 100.0 * matched / compared


def main():
    if len(sys.argv) < 2 or sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    source_dir, cli = sys.argv[1], calibration.console_tool(sys.argv)
    print('%-11s %9s %10s %6s %6s %10s %10s' % ('town', 'latitude', 'longitude', 'height', 'GeoNames',
                                                'at centre', 'at these'))
    for name, (number, centre_lat, centre_lon, geonames_m) in sorted(TOWNS.items(), key=lambda item: item[1][0]):
        days = month_of(os.path.join(source_dir, '%d.json' % number))
        height_m = calibration.read_height(cli, days, centre_lat, centre_lon, geonames_m, METHOD)
        latitude, longitude = calibration.read_point(cli, days, centre_lat, centre_lon, height_m, METHOD)
        height_m = calibration.read_height(cli, days, latitude, longitude, geonames_m, METHOD)
        print('%-11s %9.4f %10.4f %6d %6d %8.1f %% %8.1f %%' % (
            name, latitude, longitude, height_m, geonames_m, share(cli, days, centre_lat, centre_lon, geonames_m),
            share(cli, days, latitude, longitude, height_m)))


if __name__ == '__main__':
    main()
