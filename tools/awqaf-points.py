#!/usr/bin/env python3
"""Reads the rules of the UAE Awqaf's prayer-time service from its tables for cities that are not in
the test data, each at the service's own point, the evidence behind the dubai method
(engine/calculation_method.cpp):

    tools/awqaf-points.py SOURCE.csv [path/to/selvara-cli]

SOURCE.csv is assets/csv/uae_awqaf_mar_jun_2026.csv of github.com/UAEHN/salah_tv at commit
6d0d4986126eb187fbb505e4ddb720e987e5c39e (see tools/authority-data/mosque-display-tables.py): the
service's answers for 15 cities, 2026-03-01..06-15, UTC+4. The points are the service's own city
list (mobileappapi.awqaf.gov.ae v3/prayer-time/EmiratesAndCities, as saved in
github.com/xalifaaa/prayer-times-ics-generator, locations_cache.json, commit f707076). The five
cities of the test data (tests/engine/data/authorities/awqaf-dubai-2026.csv) are printed after a
rule, apart, and Kalba is left out (the same table and point as Khor Fakkan).

For each city and time it prints the mean of the published minute less the moment computed at the
city's point (18 degrees both, the standard shadow, no minutes added): the service's own minutes
and rounding show in it, a minute added and rounded to the nearest giving about that minute, one
added and cut about half a minute less. The console tool gives the sun: `times --method karachi`.
"""
from concurrent.futures import ThreadPoolExecutor

from calibration import command_line, console_minutes, dated_minutes

# Name in the source, the service's city ID and point, and whether the city is in the test data.
CITIES = [
    ('Ras Al Khaimah', 45, 25.737777, 55.885277, False),
    ('Fujairah', 52, 25.148333, 56.222221, False),
    ('Al Ain', 2, 24.212777, 55.53111, False),
    ('Dibba Al-Fujairah', 53, 25.501111, 56.309722, False),
    ('Khor Fakkan', 36, 25.501111, 56.309722, False),
    ('Al Dhaid', 34, 25.28111, 55.861666, False),
    ('Ruwais', 27, 24.323054, 52.597221, False),
    ('Madinat Zayed', 25, 23.654722, 53.614722, False),
    ('Hatta', 60, 24.79861, 56.114722, False),
    ('Abu Dhabi', 1, 24.459444, 54.300555, True),
    ('Sharjah', 33, 25.315, 55.348888, True),
    ('Ajman', 41, 25.411666, 55.432221, True),
    ('Umm Al Quwain', 44, 25.554722, 55.537777, True),
    ('Dubai', 32, 25.113055, 55.108333, True),
]
NAMES = ('dawn', 'sunrise', 'noon', 'asr', 'sunset', 'evening')


def main():
    arguments = command_line(__doc__)
    if arguments is None:
        return
    source_path, cli = arguments
    source = dated_minutes(source_path, {city[0] for city in CITIES})
    print('%-20s %4s %5s  %s' % ('city', 'id', 'days', '  '.join('%7s' % name for name in NAMES)))
    shown_test = False
    for name, city_id, latitude, longitude, in_test in CITIES:
        days = source.get(name, [])
        if not days:
            print('%-20s not in the source' % name)
            continue
        if in_test and not shown_test:
            print('test data:')
            shown_test = True
        with ThreadPoolExecutor(4) as pool:
            mine = list(pool.map(lambda day: console_minutes(cli, latitude, longitude, 4, day[0], 'karachi'),
                                 days))
        means = [sum(day[1][i] - moment[i] for day, moment in zip(days, mine)) / len(days) for i in range(6)]
        print('%-20s %4d %5d  %s' % (name, city_id, len(days), '  '.join('%+7.2f' % mean for mean in means)))


if __name__ == '__main__':
    main()
