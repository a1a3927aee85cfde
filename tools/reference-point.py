#!/usr/bin/env python3
"""Reads the point an authority computes a town's table for, where it publishes none (or none its
tables fit), from some months of that table, and shows how the point does on the months it was
not read from.

    tools/reference-point.py FILE PLACE METHOD [--months 1-6] [--reach DEG] [--step DEG] [--height] [CLI]

FILE is a table of tests/engine/data/authorities (a name there, or a path), PLACE a place line's
name in it, METHOD the method whose rule the table follows. Every published time of the chosen
months (default January to June) is computed by the console tool at the file's point and at points
moved by --reach degrees north and east; a time is taken as linear in the move (over a few
kilometres it is, to a hundredth of a second), and every point of a grid of --step degrees within
--reach of the file's point is scored by how many of those times the method's rounding prints as
published. The best point (the one nearest the file's among equals) is then checked with the
console tool itself, on the chosen months and on the rest. For Cairo, when the file held GeoNames'
point (30.0626 N 31.2497 E), it printed:

    point 30.0776 31.2747   read from 1-6: 98.2 %   the rest: 97.2 %   the file's point: 89.2 % / 89.5 %

With --height (for a method that takes the place's height) the height is read too, as
tools/habous-places.py reads it: the height at which the method prints most of the chosen months'
sunrises and sunsets as published, then the point at that height, then the height again at the
point, and so on in turn until neither moves (a few rounds at the most); the file's height is kept
where it does as well. Sunrise and sunset are printed with the method's own roundings. For Amman's
table (jordan-amman.csv, the ministry's region of Amman, Balqa, Zarqa and Madaba), when the file
held Amman's centre at GeoNames' 757 m, it printed:

    point 32.0297 35.8428 at 793 m   read from 1-6: 95.6 %   the rest: 94.1 %   the file's point: 63.3 % / 64.2 %

and the file now holds that point and height (the year's noons 97.5 % there).

Nothing is changed: the place line is the reader's to write, with this script's figures beside it.
"""
import argparse
import os
import sys

import calibration

USAGE = 'tools/reference-point.py FILE PLACE METHOD [--months 1-6] [--reach DEG] [--step DEG] [--height] [CLI]'
DATA = os.path.join(calibration.ROOT, 'tests', 'engine', 'data', 'authorities')


def read_place(path, wanted):
    """(lat, lon, elevation, [(date, zone_minutes, [six minutes or None])]) of the place named wanted."""
    found = None
    reading = False
    with open(path, encoding='ascii') as f:
        for line in f:
            fields = line.rstrip('\r\n').split(',')
            if fields[0] == 'place':
                reading = fields[1] == wanted and found is None
                if reading:
                    found = (fields[2], fields[3], fields[4], [])
            elif reading and len(fields) == 8 and fields[0] != 'date':
                found[3].append((fields[0], int(fields[1]),
                                 [calibration.minutes_of(t) if t else None for t in fields[2:8]]))
    if found is None:
        sys.exit('%s: no place %s' % (path, wanted))
    return found


def percent(pair):
    return 100.0 * pair[0] / pair[1] if pair[1] else 0.0


def main():
    parser = argparse.ArgumentParser(usage=USAGE, description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('file')
    parser.add_argument('place')
    parser.add_argument('method', choices=sorted(calibration.ROUNDINGS))
    parser.add_argument('--months', default='1-6')
    parser.add_argument('--reach', type=float, default=0.1)
    parser.add_argument('--step', type=float, default=0.0025)
    parser.add_argument('--height', action='store_true', help='read the height too (methods that take it)')
    parser.add_argument('cli', nargs='?', default=os.path.join(calibration.ROOT, 'build', 'native', 'cli', 'selvara-cli'))
    options = parser.parse_args()
    try:
        first, last = (int(m) for m in options.months.split('-'))
    except ValueError:
        parser.error('--months: FIRST-LAST, months 1 to 12')
    if not 1 <= first <= last <= 12 or options.reach <= 0 or options.step <= 0:
        parser.error('--months: FIRST-LAST, months 1 to 12; --reach and --step above 0')
    if options.height and options.method not in calibration.METHODS_USING_ELEVATION:
        parser.error('--height: %s does not take the height' % options.method)
    path = options.file if os.sep in options.file else os.path.join(DATA, options.file)
    lat_text, lon_text, elevation, days = read_place(path, options.place)
    lat0, lon0 = float(lat_text), float(lon_text)
    roundings = calibration.ROUNDINGS[options.method]
    read_days = [d for d in days if first <= int(d[0][5:7]) <= last]
    rest_days = [d for d in days if not first <= int(d[0][5:7]) <= last]

    file_m = int(round(float(elevation)))
    height_m = file_m
    if options.height:
        height_m = calibration.read_height(options.cli, read_days, lat0, lon0, file_m, options.method)
    lat, lon = calibration.read_point(options.cli, read_days, lat0, lon0, height_m, options.method,
                                      options.reach, options.step)
    # The point read at one height and the height read at that point pull on each other (a higher
    # horizon and a point further north both lengthen the day): read them in turn until neither
    # moves, a few rounds at the most, the point always within --reach of the file's.
    for _ in range(4 if options.height else 0):
        read_m = calibration.read_height(options.cli, read_days, lat, lon, file_m, options.method)
        if read_m == height_m:
            break
        height_m = read_m
        point = calibration.read_point(options.cli, read_days, lat0, lon0, height_m, options.method,
                                       options.reach, options.step)
        if point == (lat, lon):
            break
        lat, lon = point

    def measured(at_lat, at_lon, at_m, chosen):
        return calibration.matched_count(
            [(published, calibration.method_minutes(options.cli, at_lat, at_lon, at_m, date, zone_minutes,
                                                    options.method))
             for date, zone_minutes, published in chosen], roundings)

    print('point %.4f %.4f%s   read from %d-%d: %.1f %%   the rest: %.1f %%   the file\'s point: %.1f %% / %.1f %%' % (
        lat, lon, ' at %d m' % height_m if options.height else '', first, last,
        percent(measured(lat, lon, height_m, read_days)), percent(measured(lat, lon, height_m, rest_days)),
        percent(measured(lat0, lon0, file_m, read_days)), percent(measured(lat0, lon0, file_m, rest_days))))


if __name__ == '__main__':
    main()
