#!/usr/bin/env python3
"""Writes places/data/authority-points.tsv: for the towns whose authority computes its published
timetable at a point (and, for the Moroccan and Jordanian ministries, a height) of its own, that
point, which the place list then gives in place of GeoNames' (tools/places/placegen applies it).

    python3 tools/places/authority_points.py [--out places/data/authority-points.tsv]

The points are the place lines of the authorities' timetables in tests/engine/data/authorities,
where that folder's README says they are the authority's own: published by it (Diyanet's reference
points, the UAE Awqaf service's city list, the Al-Ojeiri calendar's point for Kuwait City, the Umm
al-Qura calendar's town list for Jeddah) or read from its own tables and checked on months they were
not read from (the Egyptian Survey Authority's Cairo and Alexandria, six towns of the Umm al-Qura
calendar, the Jordanian ministry's Amman region and the 29 towns of the Moroccan Ministry of Habous,
whose heights are read with them).
A user who picks such a town gets the authority's minutes, not ones computed a few kilometres away
(Cairo's table: 89 % of its minutes at GeoNames' point, 97 % at the Survey Authority's).

Each row: COUNTRY-CODE, ASCII-NAME (as in geonames-places.tsv.gz), LATITUDE, LONGITUDE (rounded
half away from zero to 4 decimals, as the place table), ELEVATION-M (the height the authority
computes at where it reads one, else GeoNames' own, unchanged), and whose point it is. The town
must be in the place table exactly once; the script stops otherwise.
"""
import argparse
import decimal
import gzip
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
AUTHORITIES = os.path.join(ROOT, 'tests', 'engine', 'data', 'authorities')
PLACE_TABLE = os.path.join(ROOT, 'places', 'data', 'geonames-places.tsv.gz')
OUT = os.path.join(ROOT, 'places', 'data', 'authority-points.tsv')

HABOUS = 'Ministry of Habous, Morocco (point and height read from its tables)'
# Rabat and ten cities are in the first file, the 28 other towns in the second.
HABOUS_FILES = ('morocco-habous.csv', 'morocco-habous-cities.csv')
UMM_AL_QURA_READ = 'Umm al-Qura calendar (point read from its tables)'
AWQAF_UAE = 'Awqaf UAE (its prayer-time service\'s city list)'
DIYANET = 'Diyanet, Turkey (its reference point)'
JORDAN = 'Ministry of Awqaf, Jordan (its Amman region\'s point and height, read from its tables)'

# Test data file, the town's name on its place line, country code, the place table's ASCII name,
# whose point it is, and whether the authority's height is taken too (where the method that follows
# it uses the height and the height was read with the point).
TOWNS = [
    ('egypt-cairo.csv', 'Cairo', 'EG', 'Cairo', 'Egyptian Survey Authority (point read from its tables)', False),
    ('egypt-cairo.csv', 'Alexandria', 'EG', 'Alexandria',
     'Egyptian Survey Authority (point read from its tables)', False),
    ('ummalqura-yearly.csv', 'Riyadh', 'SA', 'Riyadh', UMM_AL_QURA_READ, False),
    ('ummalqura-yearly.csv', 'Abha', 'SA', 'Abha', UMM_AL_QURA_READ, False),
    ('ummalqura-yearly.csv', 'Makkah', 'SA', 'Mecca', UMM_AL_QURA_READ, False),
    ('ummalqura-yearly.csv', 'Madinah', 'SA', 'Medina', UMM_AL_QURA_READ, False),
    ('ummalqura-yearly.csv', 'Dammam', 'SA', 'Dammam', UMM_AL_QURA_READ, False),
    ('ummalqura-yearly.csv', 'Tabuk', 'SA', 'Tabuk', UMM_AL_QURA_READ, False),
    ('ummalqura-yearly.csv', 'Jeddah', 'SA', 'Jeddah', 'Umm al-Qura calendar (its town list)', False),
    ('kuwait-ojeiri.csv', 'Kuwait City', 'KW', 'Kuwait City', 'Al-Ojeiri calendar (its point)', False),
    ('jordan-amman.csv', 'Amman', 'JO', 'Amman', JORDAN, True),
    ('diyanet-yearly.csv', 'Istanbul', 'TR', 'Istanbul', DIYANET, False),
    ('diyanet-yearly.csv', 'Ankara', 'TR', 'Ankara', DIYANET, False),
    ('diyanet-yearly.csv', 'Adana', 'TR', 'Adana', DIYANET, False),
    ('awqaf-dubai-2026.csv', 'Dubai', 'AE', 'Dubai', AWQAF_UAE, False),
    ('awqaf-dubai-2026.csv', 'Abu Dhabi', 'AE', 'Abu Dhabi', AWQAF_UAE, False),
    ('awqaf-dubai-2026.csv', 'Sharjah', 'AE', 'Sharjah', AWQAF_UAE, False),
    ('awqaf-dubai-2026.csv', 'Ajman', 'AE', 'Ajman City', AWQAF_UAE, False),
    ('awqaf-dubai-2026.csv', 'Umm Al Quwain', 'AE', 'Umm Al Quwain City', AWQAF_UAE, False),
] + [(HABOUS_FILES, town, 'MA', ascii_name, HABOUS, True) for town, ascii_name in [
    ('Rabat', 'Rabat'), ('Casablanca', 'Casablanca'), ('Marrakech', 'Marrakesh'), ('Fes', 'Fes'),
    ('Tangier', 'Tangier'), ('Agadir', 'Agadir'), ('Meknes', 'Meknes'), ('Oujda', 'Oujda-Angad'),
    ('Tetouan', 'Tetouan'), ('Kenitra', 'Kenitra'), ('Taza', 'Taza'), ('Arfoud', 'Arfoud'),
    ('Berrechid', 'Berrechid'), ('Errachidia', 'Errachidia'), ('Essaouira', 'Essaouira'),
    ('Guelmim', 'Guelmim'), ('Ifrane', 'Ifrane'), ('Khouribga', 'Khouribga'), ('Midelt', 'Midelt'),
    ('Nador', 'Nador'), ('Ouarzazat', 'Ouarzazat'), ('Safi', 'Safi'), ('Sefrou', 'Sefrou'),
    ('Settat', 'Settat'), ('Sidi Qacem', 'Sidi Qacem'), ('Taourirt', 'Taourirt'),
    ('Taroudant', 'Taroudant'), ('Tinghir', 'Tinghir'), ('Zagora', 'Zagora')]]


def rounded(text):
    value = decimal.Decimal(text).quantize(decimal.Decimal('0.0001'), rounding=decimal.ROUND_HALF_UP)
    return '%.4f' % value if value != 0 else '0.0000'


def place_line(file_names, town):
    """(latitude, longitude, elevation) texts of the town's place line in the first of the test data
    files (a name or a tuple of names) that has it."""
    for file_name in (file_names,) if isinstance(file_names, str) else file_names:
        with open(os.path.join(AUTHORITIES, file_name), encoding='ascii') as f:
            for line in f:
                fields = line.rstrip('\r\n').split(',')
                if fields[0] == 'place' and fields[1] == town:
                    return fields[2], fields[3], fields[4]
    sys.exit('authority_points: no place %s in %s' % (town, file_names))


def place_table_rows():
    """{(country, ASCII name): [elevation texts]} of the place table."""
    rows = {}
    with gzip.open(PLACE_TABLE, 'rt', encoding='utf-8') as f:
        for line in f:
            if line.startswith('#'):
                continue
            fields = line.rstrip('\n').split('\t')
            rows.setdefault((fields[2], fields[1]), []).append(fields[7])
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--out', default=OUT)
    options = parser.parse_args()
    table = place_table_rows()
    lines = [
        '# The points (and, where read with them, the heights) the authorities compute their',
        '# published timetables at, for the towns where tests/engine/data/authorities shows them; the',
        '# place list gives them in place of GeoNames\'. Written by tools/places/authority_points.py.',
        '# COUNTRY\tASCII-NAME\tLATITUDE\tLONGITUDE\tELEVATION-M\tWHOSE',
    ]
    for file_name, town, country, ascii_name, whose, own_height in TOWNS:
        found = table.get((country, ascii_name), [])
        if len(found) != 1:
            sys.exit('authority_points: %s, %s is in the place table %d times' % (ascii_name, country, len(found)))
        latitude, longitude, elevation = place_line(file_name, town)
        elevation_m = str(int(round(float(elevation)))) if own_height else found[0]
        lines.append('\t'.join([country, ascii_name, rounded(latitude), rounded(longitude), elevation_m, whose]))
    with open(options.out, 'w', encoding='ascii', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')
    print('authority_points: %d towns in %s' % (len(TOWNS), os.path.relpath(options.out, ROOT)))


if __name__ == '__main__':
    main()
