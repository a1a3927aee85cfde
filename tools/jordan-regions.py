#!/usr/bin/env python3
"""Reads the Jordanian Ministry of Awqaf's rules from its tables for regions other than the one in
the test data, the evidence behind the jordan method (engine/calculation_method.cpp):

    tools/jordan-regions.py SOURCE.csv [path/to/selvara-cli]

SOURCE.csv is assets/csv/jordan_prayer_times_2026.csv of github.com/UAEHN/salah_tv at commit
6bb331726335c5d5096a05046b103217fc425b69: the ministry's regional tables as its site serves them
(awqaf.gov.jo/ar/Pages/PrayerTime, fetched by tool/jordan_fetch.js there), 2026-03-12..12-31,
regions named as in the site's list, times on a 12-hour clock without AM/PM, UTC+3. Only the
regions named after towns of the program's place list are read, each at the town's GeoNames point
and height; "Jerash and Ajloun" at the middle of its two towns. The region of the test data
(tests/engine/data/authorities/jordan-amman.csv: Amman, Balqa, Zarqa, Madaba) is read too and
checked minute for minute against that file, but it is not a region of the calibration.

For each region it prints:
- dawn, noon, afternoon and evening: the mean of the published minute less the computed moment
  (18 degrees both, the standard shadow), which tells the rounding: about 0 for the nearest
  minute, +0.5 for a minute rounded up, -0.5 for one cut; and the share of the published minutes
  the nearest minute gives;
- sunrise and sunset: the depression below the sea-level horizon (beyond the standard 0.833
  degrees) that the published minutes imply on average, that depression over the geometric dip of
  the town's height, and how far apart the months' means of either lie (0: the same depression in
  every season).
The console tool gives the sun: `times --method karachi` (18 degrees both, no minutes of its own)
at 0 and 1000 m; the minute of a sunrise or sunset at another depression is interpolated between
the two.
"""
import os
import sys
from concurrent.futures import ThreadPoolExecutor

from calibration import ROOT, command_line, console_minutes, dip_deg, minutes_of, source_rows

DIP_AT_1000_M = dip_deg(1000.0)

# Region name in the source (Arabic, escaped), English name, point and GeoNames height in metres.
TEST_REGION = '\u0639\u0645\u0627\u0646\u060c \u0627\u0644\u0628\u0644\u0642\u0627\u0621\u060c ' \
              '\u0627\u0644\u0632\u0631\u0642\u0627\u0621\u060c \u0645\u0627\u062f\u0628\u0627'
REGIONS = [
    ('\u0627\u0631\u0628\u062f', 'Irbid', 32.5556, 35.8500, 570),
    ('\u0627\u0644\u0643\u0631\u0643', 'Karak', 31.1637, 35.7620, 948),
    ('\u0627\u0644\u0637\u0641\u064a\u0644\u0629', 'Tafilah', 30.8375, 35.6044, 1041),
    ('\u0645\u0639\u0627\u0646', "Ma'an", 30.1962, 35.7341, 1111),
    ('\u0627\u0644\u0639\u0642\u0628\u0629', 'Aqaba', 29.5267, 35.0078, 46),
    ('\u0627\u0644\u0645\u0641\u0631\u0642', 'Mafraq', 32.3429, 36.2080, 705),
    ('\u062c\u0631\u0634 \u0648\u0639\u062c\u0644\u0648\u0646', 'Jerash and Ajloun', 32.3071, 35.8261, 695),
    (TEST_REGION, 'Amman region (test data)', 31.949722, 35.932778, 757),
]
DAWN, SUNRISE, NOON, AFTERNOON, SUNSET, EVENING = range(6)
TEST_TABLE = os.path.join(ROOT, 'tests', 'engine', 'data', 'authorities', 'jordan-amman.csv')


def clock_minutes(text, afternoon):
    """Minutes of the day of a time on a 12-hour clock, past midday where afternoon is true."""
    minutes = minutes_of(text)
    return minutes + 720 if afternoon and minutes < 720 else minutes


def read_source(path):
    """{region: [(ISO date, [six published minutes], [six published texts])]}"""
    days = {}
    for number, fields in source_rows(path, {region[0] for region in REGIONS}):
        if len(fields[1]) != 10 or fields[1][4] != '-':
            sys.exit('jordan-regions: line %d: not a date: %r' % (number, fields[1]))
        # The 12-hour clock without AM/PM: noon before 10 is past midday; the afternoon, sunset and
        # evening always are.
        afternoon = [False, False, int(fields[4].split(':')[0]) < 10, True, True, True]
        published = [clock_minutes(text, pm) for text, pm in zip(fields[2:8], afternoon)]
        texts = ['%02d:%02d' % divmod(value, 60) for value in published]
        days.setdefault(fields[0], []).append((fields[1], published, texts))
    return days


def computed(cli, latitude, longitude, date, height_m):
    return console_minutes(cli, latitude, longitude, 3, date, 'karachi', height_m)


def monthly_spread(days, values):
    """How far the month's means of a depression lie apart, in degrees: 0 where it does not change with
    the season."""
    months = {}
    for day, value in zip(days, values):
        months.setdefault(day[0][:7], []).append(value)
    means = [sum(month) / len(month) for month in months.values()]
    return max(means) - min(means)


def check_test_region(days):
    """The test table's minutes on the dates both hold: the source is the same table."""
    test = {}
    with open(TEST_TABLE, encoding='ascii') as table:
        for line in table:
            fields = line.strip().split(',')
            if fields[0][:1].isdigit():
                test[fields[0]] = fields[2:8]
    both = [(date, texts) for date, _, texts in days if date in test]
    differ = sum(1 for date, texts in both if texts != test[date])
    print('test region: %d dates in both, %d differ from %s' % (len(both), differ,
                                                                 os.path.relpath(TEST_TABLE, ROOT)))


def main():
    arguments = command_line(__doc__)
    if arguments is None:
        return
    source_path, cli = arguments
    source = read_source(source_path)
    print('%-26s %5s  %-27s  %-27s  %s' % ('region', 'days', 'mean published - computed',
                                           'nearest minute matches', 'horizon beyond 0.833 deg'))
    print('%-26s %5s  %6s %6s %6s %6s  %6s %6s %6s %6s  %s' % ('', '', 'dawn', 'noon', 'asr', 'even.',
                                                             'dawn', 'noon', 'asr', 'even.',
                                                             'rise  set   /dip  months'))
    for name_in_source, name, latitude, longitude, height_m in REGIONS:
        days = source.get(name_in_source, [])
        if not days:
            print('%-26s not in the source' % name)
            continue
        with ThreadPoolExecutor(4) as pool:
            sea = list(pool.map(lambda day: computed(cli, latitude, longitude, day[0], 0), days))
            high = list(pool.map(lambda day: computed(cli, latitude, longitude, day[0], 1000), days))
        means, shares = [], []
        for index in (DAWN, NOON, AFTERNOON, EVENING):
            residuals = [day[1][index] - mine[index] for day, mine in zip(days, sea)]
            means.append(sum(residuals) / len(residuals))
            shares.append(100.0 * sum(1 for r in residuals if -0.5 <= r < 0.5) / len(residuals))
        rise = [(mine[SUNRISE] - day[1][SUNRISE]) / (mine[SUNRISE] - up[SUNRISE]) * DIP_AT_1000_M
                for day, mine, up in zip(days, sea, high)]
        sets = [(day[1][SUNSET] - mine[SUNSET]) / (up[SUNSET] - mine[SUNSET]) * DIP_AT_1000_M
                for day, mine, up in zip(days, sea, high)]
        rise_deg, set_deg = sum(rise) / len(rise), sum(sets) / len(sets)
        dip = dip_deg(height_m)
        print('%-26s %5d  %+6.2f %+6.2f %+6.2f %+6.2f  %5.1f%% %5.1f%% %5.1f%% %5.1f%%  %.2f  %.2f  %.2f  %.2f' % (
            name, len(days), *means, *shares, rise_deg, set_deg, (rise_deg + set_deg) / 2 / dip,
            max(monthly_spread(days, rise), monthly_spread(days, sets))))
        if name_in_source == TEST_REGION:
            check_test_region(days)


if __name__ == '__main__':
    main()
