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
with their own table are written, and only those in the program's place list (points and heights
below); Rabat's month is already in morocco-habous.csv and is left out.
"""
import json
import re

import authority_table

ZONE_MINUTES = 60
KEYS = ('fajr', 'sunrise', 'dhuhr', 'asr', 'maghrib', 'isha')
TIME = re.compile(r'^\d{2}:\d{2}$')
# The source's town name -> the point (name, latitude, longitude) and the height in metres its table
# is computed for. The ministry publishes neither: each is what its tables for another month show,
# as tools/habous-places.py reads them from the town's centre (the encyclopedia's, which the data
# README lists with the copies read) and GeoNames' dem height.
PLACES = {
    'Kenitra': ('Kenitra', 34.242500, -6.588300, 99),
    'Sidi Kacem': ('Sidi Qacem', 34.216700, -5.715000, 318),
    'Tangier': ('Tangier', 35.776700, -5.813900, 194),
    'Tetouan': ('Tetouan', 35.575000, -5.359700, 432),
    'Oujda': ('Oujda', 34.689200, -1.921400, 549),
    'Taourirt': ('Taourirt', 34.416900, -2.885000, 956),
    'Nador': ('Nador', 35.166700, -2.933300, 112),
    'Casablanca': ('Casablanca', 33.565800, -7.660800, 102),
    'Settat': ('Settat', 33.000000, -7.624200, 285),
    'Berrechid': ('Berrechid', 33.204200, -7.565800, 144),
    'Khouribga': ('Khouribga', 32.808300, -6.892500, 721),
    'Fes': ('Fes', 34.050000, -4.993100, 327),
    'Sefrou': ('Sefrou', 33.829400, -4.839500, 843),
    'Taza': ('Taza', 34.216700, -4.011700, 720),
    'Meknes': ('Meknes', 33.887500, -5.569700, 446),
    'Ifrane': ('Ifrane', 33.533300, -5.091700, 1387),
    'Marrakech': ('Marrakech', 31.630000, -8.008900, 480),
    'Essaouira': ('Essaouira', 31.488100, -9.777200, 41),
    'Safi': ('Safi', 32.283300, -9.245800, 60),
    'Agadir': ('Agadir', 30.421400, -9.550600, 188),
    'Taroudant': ('Taroudant', 30.376000, -8.800600, 163),
    'Errachidia': ('Errachidia', 31.851900, -4.424400, 855),
    'Erfoud': ('Arfoud', 31.436100, -4.232800, 809),
    'Midelt': ('Midelt', 32.680000, -4.730000, 1644),
    'Zagora': ('Zagora', 30.330600, -5.838100, 599),
    'Ouarzazate': ('Ouarzazat', 30.916700, -6.921700, 1093),
    'Tinghir': ('Tinghir', 31.512200, -5.527800, 1244),
    'Guelmim': ('Guelmim', 28.983300, -10.061700, 517),
}


def main():
    lines = authority_table.source_lines(__doc__)
    if lines is None:
        return
    try:
        towns = json.loads('\n'.join(lines))
    except ValueError as error:
        authority_table.fail(0, 'not JSON: %s' % error)
    places = []
    for town in towns:
        if 'match=direct' not in town['source_method'] or town['city'] not in PLACES:
            continue
        name, latitude, longitude, elevation = PLACES[town['city']]
        days = []
        for day in town['dates']:
            times = [day[key] for key in KEYS]
            if not all(TIME.match(t) for t in times):
                authority_table.fail(0, '%s %s: not six times: %r' % (town['city'], day['date'], times))
            days.append((day['date'], ZONE_MINUTES, times))
        places.append(('place,%s,%.6f,%.6f,%d' % (name, latitude, longitude, elevation), days))
    authority_table.write_places(
        ['Ministry of Habous and Islamic Affairs, Morocco: its city tables (habous.gov.ma/prieres) for Dhu',
         'al-Qa\'da 1447 (2026-04-19..05-18), clock UTC+1. Points and heights: see README.'],
        places)


if __name__ == '__main__':
    main()
