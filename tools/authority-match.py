#!/usr/bin/env python3
"""Prints, for the record, the share of the authorities' published minutes that the console tool
matches: every place and month of tests/engine/data/authorities is run through
`selvara-cli timetable --format csv` with the authority's method, and each published time is
compared with the printed one. The same count as the engine test AuthorityTimetables, taken
through the program a script would use.

    tools/authority-match.py [path/to/selvara-cli]     (default: build/native/cli/selvara-cli)
"""
import collections
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, 'tests', 'engine', 'data', 'authorities')

# Authority, data file, method, Asr school and the place of the file the table is ("!NAME": every
# place but that one; None: all of them): the table of the engine test. The place's elevation
# is passed only to a method whose authority uses it (--elevation also turns it on for the others).
TABLES = [
    ('Qatar Calendar House', 'qatar-doha.csv', 'qatar', 'standard'),
    ('MUIS Singapore', 'muis-singapore.csv', 'singapore', 'standard'),
    ('Habous Morocco', 'morocco-habous.csv', 'morocco', 'standard'),
    ('Habous, more months', 'morocco-habous-months.csv', 'morocco', 'standard'),
    ('Habous, 28 towns', 'morocco-habous-cities.csv', 'morocco', 'standard'),
    ('JAKIM Malaysia', 'jakim-labuan.csv', 'jakim', 'standard'),
    ('Kemenag Indonesia', 'kemenag-indonesia.csv', 'kemenag', 'standard'),
    ('Diyanet Turkey', 'diyanet-turkey.csv', 'turkey', 'standard'),
    ('Diyanet yearly table', 'diyanet-yearly.csv', 'turkey', 'standard'),
    ('Moonsighting Committee', 'moonsighting-london.csv', 'moonsighting', 'standard'),
    ('Moonsighting, own table', 'moonsighting-committee.csv', 'moonsighting', 'standard'),
    ('Tehran (Geophysics)', 'tehran.csv', 'tehran', 'standard'),
    ('Geophysics, Ramadan', 'tehran-geophysics.csv', 'tehran', 'standard'),
    ('Religious Aff. Algeria', 'algeria-algiers.csv', 'algeria', 'standard'),
    ('Umm al-Qura', 'ummalqura-riyadh.csv', 'makkah', 'standard'),
    ('Umm al-Qura (yearly)', 'ummalqura-yearly.csv', 'makkah', 'standard'),
    ('IACAD Dubai (Awqaf)', 'awqaf-dubai.csv', 'iacad', 'standard'),
    ('Awqaf UAE (2026)', 'awqaf-dubai-2026.csv', 'dubai', 'standard', '!Dubai'),
    ('IACAD Dubai (2026)', 'awqaf-dubai-2026.csv', 'iacad', 'standard', 'Dubai'),
    ('Qatar CH (Ramadan)', 'qatar-ramadan-doha.csv', 'qatar', 'standard'),
    ('Awqaf Jordan', 'jordan-amman.csv', 'jordan', 'standard'),
    ('Survey Authority Egypt', 'egypt-cairo.csv', 'egypt', 'standard'),
    ('Al-Ojeiri, Kuwait', 'kuwait-ojeiri.csv', 'kuwait', 'standard'),
    ('Endowments Oman', 'oman-muscat.csv', 'oman', 'standard'),
    ('INM Tunisia', 'tunisia-tunis.csv', 'tunisia', 'standard'),
]
METHODS_USING_ELEVATION = ('morocco', 'makkah', 'jordan')


def read_places(path):
    """[(name, lat, lon, elevation, [(date, zone_minutes, [six times])])]"""
    places = []
    with open(path, encoding='ascii') as f:
        for line in f:
            line = line.rstrip('\r\n')
            if not line or line.startswith('#') or line.startswith('date,'):
                continue
            fields = line.split(',')
            if fields[0] == 'place':
                places.append((fields[1], fields[2], fields[3], fields[4], []))
            else:
                places[-1][4].append((fields[0], int(fields[1]), fields[2:8]))
    return places


def zone_text(minutes):
    sign = '-' if minutes < 0 else ''
    minutes = abs(minutes)
    return '%s%d:%02d' % (sign, minutes // 60, minutes % 60)


def printed_month(cli, lat, lon, elevation, zone_minutes, year, month, method, asr):
    arguments = [cli, 'timetable', '--lat', lat, '--lon', lon, '--zone', zone_text(zone_minutes), '--year',
                 str(year), '--month', str(month), '--format', 'csv', '--method', method, '--asr', asr]
    if method in METHODS_USING_ELEVATION:
        arguments += ['--elevation', elevation]
    out = subprocess.run(arguments, check=True, capture_output=True, text=True).stdout
    rows = {}
    for line in out.splitlines()[1:]:
        fields = line.split(',')
        rows[fields[0]] = fields[2:8]
    return rows


def main():
    if len(sys.argv) > 1 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build', 'native', 'cli', 'selvara-cli')
    print('%-24s %-13s %5s %6s %7s %7s' % ('authority', 'method', 'days', 'times', 'matched', 'share'))
    all_times = all_matched = 0
    for authority, file_name, method, asr, *only in TABLES:
        days = times = matched = 0
        for name, lat, lon, elevation, rows in read_places(os.path.join(DATA, file_name)):
            if only and not (name != only[0][1:] if only[0].startswith('!') else name == only[0]):
                continue
            months = collections.defaultdict(list)
            for date, zone, published in rows:
                months[(int(date[0:4]), int(date[5:7]), zone)].append((date, published))
            for (year, month, zone), month_rows in sorted(months.items()):
                printed = printed_month(cli, lat, lon, elevation, zone, year, month, method, asr)
                for date, published in month_rows:
                    days += 1
                    for mine, theirs in zip(printed[date], published):
                        if theirs:
                            times += 1
                            matched += mine == theirs
        all_times += times
        all_matched += matched
        print('%-24s %-13s %5d %6d %7d %6.1f %%' % (authority, method, days, times, matched,
                                                    100.0 * matched / times if times else 0.0))
    print('%-24s %-13s %5s %6d %7d %6.2f %%' % ('all', '', '', all_times, all_matched,
                                                100.0 * all_matched / all_times if all_times else 0.0))


if __name__ == '__main__':
    main()
