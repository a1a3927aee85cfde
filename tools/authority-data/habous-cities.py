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
# The source's town name -> the town's point (name, latitude, longitude) and the height in metres its
# sunrises and sunsets are computed for. The ministry publishes no reference point: every town takes
# its centre as its encyclopedia article gives it (the data README lists them with the copies read).
# Nor does it publish heights: each is the one its tables for another month show, as
# tools/habous-heights.py reads it (GeoNames' dem height where that fits as well; see the data README).
PLACES = {
    'Kenitra': ('Kenitra', 34.250000, -6.583333, 97),
    'Sidi Kacem': ('Sidi Qacem', 34.216667, -5.700000, 318),
    'Tangier': ('Tangier', 35.776667, -5.803889, 202),
    'Tetouan': ('Tetouan', 35.572500, -5.354722, 438),
    'Oujda': ('Oujda', 34.689167, -1.911389, 549),
    'Taourirt': ('Taourirt', 34.416944, -2.885000, 956),
    'Nador': ('Nador', 35.166667, -2.933333, 112),
    'Casablanca': ('Casablanca', 33.533333, -7.583333, 58),
    'Settat': ('Settat', 33.000000, -7.616667, 279),
    'Berrechid': ('Berrechid', 33.266667, -7.583333, 133),
    'Khouribga': ('Khouribga', 32.883333, -6.900000, 718),
    'Fes': ('Fes', 34.050000, -4.983056, 325),
    'Sefrou': ('Sefrou', 33.829356, -4.839478, 843),
    'Taza': ('Taza', 34.216667, -4.016667, 844),
    'Meknes': ('Meknes', 33.895000, -5.554722, 466),
    'Ifrane': ('Ifrane', 33.533333, -5.116667, 1352),
    'Marrakech': ('Marrakech', 31.630000, -8.008889, 480),
    'Essaouira': ('Essaouira', 31.513056, -9.769722, 42),
    'Safi': ('Safi', 32.283333, -9.233333, 56),
    'Agadir': ('Agadir', 30.421389, -9.583056, 188),
    'Taroudant': ('Taroudant', 30.471000, -8.880600, 109),
    'Errachidia': ('Errachidia', 31.931944, -4.424444, 889),
    'Erfoud': ('Arfoud', 31.436111, -4.232778, 809),
    'Midelt': ('Midelt', 32.680000, -4.730000, 1644),
    'Zagora': ('Zagora', 30.330556, -5.838056, 599),
    'Ouarzazate': ('Ouarzazat', 30.916667, -6.916667, 1103),
    'Tinghir': ('Tinghir', 31.514722, -5.532778, 1233),
    'Guelmim': ('Guelmim', 28.983333, -10.066667, 510),
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
         'al-Qa\'da 1447 (2026-04-19..05-18), clock UTC+1. Points and elevations: see README.'],
        places)


if __name__ == '__main__':
    main()
