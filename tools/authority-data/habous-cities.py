#!/usr/bin/env python3
"""Turns the Moroccan Ministry of Habous and Islamic Affairs' city tables for one Hijri month, as
fetched from habous.gov.ma and saved in github.com/tawfeeqmartin/fajr, into
tests/engine/data/authorities/morocco-habous-cities.csv.

    tools/authority-data/habous-cities.py SOURCE.json > tests/engine/data/authorities/morocco-habous-cities.csv

SOURCE.json is eval/data/test/morocco-habous-monthly.json at commit
f017c6f3ffee0fba3ca9e7509142d4230cdbfee4 of that repository: a JSON array of towns, each with
"city", "source_method" ("Official Habous city timetable; match=direct; ville=N" for a town with its
own table, "match=nearest-official-city" for a town given another town's table) and "dates", one
entry a day with "date" (YYYY-MM-DD) and "fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"
(HH:MM). The month is Dhu al-Qa'da 1447, 2026-04-19..05-18, Morocco's clock UTC+1. Only the towns
with their own table are written, and only those in the program's place list (points and elevations
below); Rabat's month is already in morocco-habous.csv and is left out.
"""
import json
import re
import sys

ZONE_MINUTES = 60
KEYS = ('fajr', 'sunrise', 'dhuhr', 'asr', 'maghrib', 'isha')
TIME = re.compile(r'^\d{2}:\d{2}$')
# The source's town name -> the town's point (name, latitude, longitude) and GeoNames' dem elevation
# in metres. The ministry publishes no reference point: the ten towns whose encyclopedia centre the
# data README lists take that point; the others take GeoNames' row in the program's place list (as
# `selvara-cli places "NAME, MA"` prints it), no encyclopedia copy of them having been read.
PLACES = {
    'Kenitra': ('Kenitra', 34.250000, -6.583333, 13),
    'Sidi Kacem': ('Sidi Qacem', 34.2215, -5.7078, 83),
    'Tangier': ('Tangier', 35.776667, -5.803889, 20),
    'Tetouan': ('Tetouan', 35.572500, -5.354722, 121),
    'Oujda': ('Oujda', 34.689167, -1.911389, 549),
    'Taourirt': ('Taourirt', 34.4073, -2.8973, 394),
    'Nador': ('Nador', 35.1681, -2.9335, 19),
    'Casablanca': ('Casablanca', 33.533333, -7.583333, 27),
    'Settat': ('Settat', 33.0010, -7.6166, 365),
    'Berrechid': ('Berrechid', 33.2655, -7.5875, 220),
    'Khouribga': ('Khouribga', 32.8811, -6.9063, 804),
    'Fes': ('Fes', 34.050000, -4.983056, 406),
    'Sefrou': ('Sefrou', 33.8319, -4.8280, 809),
    'Taza': ('Taza', 34.216667, -4.016667, 530),
    'Meknes': ('Meknes', 33.895000, -5.554722, 531),
    'Ifrane': ('Ifrane', 33.5267, -5.1102, 1648),
    'Marrakech': ('Marrakech', 31.630000, -8.008889, 457),
    'Essaouira': ('Essaouira', 31.5125, -9.7700, 7),
    'Safi': ('Safi', 32.2994, -9.2372, 45),
    'Agadir': ('Agadir', 30.421389, -9.583056, 31),
    'Taroudant': ('Taroudant', 30.4703, -8.8770, 237),
    'Errachidia': ('Errachidia', 31.9314, -4.4266, 1039),
    'Erfoud': ('Arfoud', 31.4353, -4.2326, 809),
    'Midelt': ('Midelt', 32.6852, -4.7451, 1462),
    'Zagora': ('Zagora', 30.3324, -5.8384, 733),
    'Ouarzazate': ('Ouarzazat', 30.9189, -6.8934, 1113),
    'Tinghir': ('Tinghir', 31.5147, -5.5328, 1281),
    'Guelmim': ('Guelmim', 28.9870, -10.0574, 301),
}


def main():
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    towns = json.load(open(sys.argv[1], encoding='utf-8'))
    out = ['# Ministry of Habous and Islamic Affairs, Morocco: its city tables (habous.gov.ma/prieres) for Dhu',
           '# al-Qa\'da 1447 (2026-04-19..05-18), clock UTC+1. Points and elevations: see README.']
    for town in towns:
        if 'match=direct' not in town['source_method'] or town['city'] not in PLACES:
            continue
        name, latitude, longitude, elevation = PLACES[town['city']]
        out.append('place,%s,%.6f,%.6f,%d' % (name, latitude, longitude, elevation))
        out.append('date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening')
        for day in town['dates']:
            times = [day[key] for key in KEYS]
            if not all(TIME.match(t) for t in times):
                sys.exit('%s: %s %s: not six times: %r' % (sys.argv[1], town['city'], day['date'], times))
            out.append('%s,%d,%s' % (day['date'], ZONE_MINUTES, ','.join(times)))
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
