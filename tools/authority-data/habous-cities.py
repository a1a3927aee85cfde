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
    'Kenitra': ('Kenitra', 34.250000, -6.598300, 100),
    'Sidi Kacem': ('Sidi Qacem', 34.224200, -5.717500, 296),
    'Tangier': ('Tangier', 35.766700, -5.816400, 181),
    'Tetouan': ('Tetouan', 35.545000, -5.354700, 370),
    'Oujda': ('Oujda', 34.689200, -1.921400, 572),
    'Taourirt': ('Taourirt', 34.416900, -2.885000, 876),
    'Nador': ('Nador', 35.166700, -2.933300, 108),
    'Casablanca': ('Casablanca', 33.565800, -7.660800, 91),
    'Settat': ('Settat', 33.000000, -7.631700, 256),
    'Berrechid': ('Berrechid', 33.266700, -7.580800, 150),
    'Khouribga': ('Khouribga', 32.883300, -6.910000, 687),
    'Fes': ('Fes', 34.050000, -5.008100, 305),
    'Sefrou': ('Sefrou', 33.829400, -4.839500, 859),
    'Taza': ('Taza', 34.216700, -4.011700, 774),
    'Meknes': ('Meknes', 33.887500, -5.569700, 417),
    'Ifrane': ('Ifrane', 33.533300, -5.099200, 1336),
    'Marrakech': ('Marrakech', 31.650000, -8.031400, 458),
    'Essaouira': ('Essaouira', 31.503100, -9.779700, 43),
    'Safi': ('Safi', 32.283300, -9.245800, 57),
    'Agadir': ('Agadir', 30.421400, -9.563100, 181),
    'Taroudant': ('Taroudant', 30.371000, -8.800600, 177),
    'Errachidia': ('Errachidia', 31.931900, -4.449400, 833),
    'Erfoud': ('Arfoud', 31.436100, -4.232800, 850),
    'Midelt': ('Midelt', 32.680000, -4.750000, 1462),
    'Zagora': ('Zagora', 30.330600, -5.848100, 658),
    'Ouarzazate': ('Ouarzazat', 30.916700, -6.921700, 1047),
    'Tinghir': ('Tinghir', 31.512200, -5.527800, 1281),
    'Guelmim': ('Guelmim', 28.983300, -10.066700, 493),
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
