#!/usr/bin/env python3
"""Writes the seed corpora of the fuzzing harnesses into corpus/<harness>/ beside this script.

Small, valid or nearly valid inputs of each format, so that the fuzzers start inside the formats:

    python3 tests/fuzz/make_seeds.py
"""
import gzip
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(harness, name, data):
    folder = os.path.join(HERE, "corpus", harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def settings_file(latitude, longitude, town, zone):
    return struct.pack("<dd", latitude, longitude) + town.ljust(260, b"\0") + struct.pack("<i", zone)


def picture_record(width, height, fill):
    stride = (width * 8 + 31) // 32 * 4
    return struct.pack("<ii", width, height) + bytes([fill]) * (stride * height)


def record_stream(records):
    out = b""
    for name, data in records:
        out += bytes([len(name)]) + name + struct.pack("<I", len(data)) + data
    return out


def place_file(zones, places, version=2):
    """places.dat; version 1 is the layout without the elevation (the places then give none)."""
    body = b"".join(bytes([len(z)]) + z for z in zones)
    for name, ascii_name, country, zone, lat_e4, lon_e4, population, *elevation_m in places:
        body += bytes([len(name)]) + name + bytes([len(ascii_name)]) + ascii_name + country
        body += struct.pack("<HiiI", zone, lat_e4, lon_e4, population)
        body += struct.pack("<h", *elevation_m) if version >= 2 else b""
    header_bytes = 20
    return b"SVPLACES" + struct.pack("<HHII", version, len(zones), len(places), header_bytes + len(body)) + body


def engine_input(pick, ints=(), doubles=(), tail=b""):
    return bytes([pick]) + struct.pack("<%di" % len(ints), *ints) + struct.pack("<%dd" % len(doubles), *doubles) + tail


def main():
    write("fuzz_settings_file", "default", settings_file(45.49, 15.59, b"", 1))
    write("fuzz_settings_file", "town", settings_file(-33.86, 151.2, b"Sydney", 10))
    write("fuzz_settings_file", "short", settings_file(21.42, 39.83, b"Mecca", 3)[:100])

    write("fuzz_picture_file", "tiny", b"".join(picture_record(2, 2, i) for i in range(44)))
    write("fuzz_picture_file", "odd_sizes", picture_record(3, 5, 7) + picture_record(121, 1, 9) + picture_record(0, 0, 0))
    write("fuzz_picture_file", "cut", picture_record(120, 120, 3)[:300])

    write("fuzz_palette", "grey", b"".join(struct.pack("<HHH", i, i, i) for i in range(256)))
    write("fuzz_palette", "short", b"\x01\x00" * 100)

    # The archive before the place list (four records, now one too few) and as shipped (five).
    stream = record_stream([(b"selvara.exe", b"MZ" + b"\0" * 30), (b"panim.dat", b"\x02\0\0\0\x02\0\0\0" + b"\0" * 8),
                            (b"readme.wri", b"Read me"), (b"uninstall.exe", b"MZ")])
    shipped = record_stream([(b"selvara.exe", b"MZ" + b"\0" * 30), (b"panim.dat", b"\x02\0\0\0\x02\0\0\0" + b"\0" * 8),
                             (b"places.dat", place_file([b"Asia/Karachi"], [(b"Karachi", b"", b"PK", 0, 248608, 670104, 11624219)], 1)),
                             (b"readme.wri", b"Read me"), (b"uninstall.exe", b"MZ")])
    write("fuzz_record_stream", "four_records", stream)
    with_reminder = record_stream([(b"selvara.exe", b"MZ" + b"\0" * 30), (b"panim.dat", b"\x02\0\0\0\x02\0\0\0" + b"\0" * 8),
                                   (b"places.dat", place_file([b"Asia/Karachi"], [(b"Karachi", b"", b"PK", 0, 248608, 670104, 11624219)])),
                                   (b"readme.wri", b"Read me"), (b"selvara-tray.exe", b"MZ"), (b"uninstall.exe", b"MZ")])
    write("fuzz_record_stream", "five_records", shipped)
    write("fuzz_record_stream", "six_records", with_reminder)
    write("fuzz_record_stream", "nested", record_stream([(b"a\\b.txt", b"x"), (b"c", b""), (b"d\\e\\f", b"yy"), (b"g", b"z")]))
    write("fuzz_record_stream", "nested_five", record_stream([(b"a\\b.txt", b"x"), (b"c", b""), (b"d\\e\\f", b"yy"), (b"g", b"z"),
                                                             (b"h\\i", b"w")]))
    write("fuzz_record_stream", "cut", stream[:25])

    write("fuzz_gunzip_extract", "four_records", gzip.compress(stream, mtime=0))
    write("fuzz_gunzip_extract", "five_records", gzip.compress(shipped, mtime=0))
    write("fuzz_gunzip_extract", "six_records", gzip.compress(with_reminder, mtime=0))
    write("fuzz_gunzip_extract", "plain", stream)
    write("fuzz_gunzip_extract", "cut", gzip.compress(stream, mtime=0)[:40])

    cli = {
        "timetable_default": ["timetable"],
        "timetable_month": ["timetable", "--lat", "45.49", "--lon", "15.59", "--zone", "1", "--year", "2026", "--month", "1"],
        "timetable_days": ["timetable", "--year", "2025", "--month", "12", "--first-day", "31", "--days", "2"],
        "timetable_out": ["timetable", "--out", "x.txt"],
        "times": ["times", "--lat", "-33.87", "--lon", "151.21", "--zone", "10", "--date", "2026-06-21"],
        "times_auto": ["times", "--lat", "31.63", "--lon", "-8.0", "--zone", "1", "--method", "auto", "--date", "2026-06-21"],
        "times_named": ["times", "--lat", "59.91", "--lon", "10.75", "--zone", "2", "--date", "2026-06-21", "--method", "mwl",
                        "--elevation", "300", "--high-lat", "seventh"],
        "timetable_csv_none": ["timetable", "--lat", "58", "--lon", "10.75", "--method", "karachi", "--high-lat", "none",
                               "--format", "csv"],
        "hijri_day": ["hijri", "2024-03-11"],
        "hijri_range": ["hijri", "--from", "2024-03-08", "--to", "2024-03-12"],
        "help": ["--help"],
        "qibla": ["qibla", "--lat", "-21.4225241", "--lon", "-140.1738182"],
        "times_extra": ["times", "--lat", "69.65", "--lon", "18.96", "--zone", "1", "--date", "2026-12-21",
                        "--extra", "--night", "sunrise", "--imsak", "15"],
        "next_at": ["next", "--tz", "Europe/Zagreb", "--at", "2026-03-29T01:30"],
    }
    for name, arguments in cli.items():
        write("fuzz_cli_arguments", name, b"\0".join(a.encode() for a in arguments))

    places = place_file([b"Asia/Karachi", b"Europe/Zurich"],
                        [(b"Karachi", b"", b"PK", 0, 248608, 670104, 11624219, 8),
                         (b"Z\xfcrich", b"Zurich", b"CH", 1, 473667, 85500, 341730, 408),
                         (b"Kuala Lumpur", b"", b"MY", 0, 31412, 1016865, 1453975, 56)])
    write("fuzz_place_file", "three_places", places)
    write("fuzz_place_file", "first_layout", place_file([b"Asia/Karachi"], [(b"Karachi", b"", b"PK", 0, 248608, 670104, 11624219)], 1))
    write("fuzz_place_file", "below_sea", place_file([b"Asia/Hebron"], [(b"Jericho", b"", b"PS", 0, 318566, 354598, 19783, -233)]))
    write("fuzz_place_file", "cut", places[:60])
    write("fuzz_place_file", "query", "Z\u00fcrich, CH".encode("utf-8"))

    write("fuzz_engine", "julian_day", engine_input(0, (2026, 12, 8), (8.5,)))
    write("fuzz_engine", "to_gregorian", engine_input(1, (0, 0, 0), (2461383.0,)))
    write("fuzz_engine", "hijri", engine_input(10, (2026, 12, 8)))
    write("fuzz_engine", "hijri_month", engine_input(9, (1447, 6, 1)))
    write("fuzz_engine", "mean_hijri", engine_input(8, (0, 0, 0), (2461383.0,)))
    write("fuzz_engine", "kepler", engine_input(128 + 3, (0, 0, 0), (1.2, 0.0167)))
    write("fuzz_engine", "sun", engine_input(128 + 2, (2026, 12, 8), (0.272, 0.794, 1.0)))
    params = (0.016388, 0.272, 0.794, 300.0, 300.0, 1.0, 0.3316, 1.0, 0.785, 1.5)
    write("fuzz_engine", "prayer_times", engine_input(128 + 6, (2026, 12, 8), params))
    write("fuzz_engine", "dawn_share", engine_input(128 + 5, (2026, 6, 21), params))
    write("fuzz_engine", "clock", engine_input(128 + 7, (0, 0, 0), (-0.2583, 12.999, 12.5083)) + b"\x01")
    # Options: method, shadow factor, six adjustments, elevation, its use, the high-latitude rule.
    options = struct.pack("<8i", 0, 1, 0, 0, 0, 0, 0, 0) + struct.pack("<dBi", 0.0, 0, 0)
    write("fuzz_engine", "method_parameters", engine_input(96, (2026, 3, 15), (45.49, 15.59)) + struct.pack("<i", 60) + options)
    write("fuzz_engine", "day_times", engine_input(97, (2026, 3, 15), (21.42, 39.83)) + struct.pack("<i", 180) + struct.pack("<8i", 2, 2, 5, -5, 0, 0, 0, 120)
          + struct.pack("<dBi", 0.0, 0, 0))
    write("fuzz_engine", "day_times_elevated", engine_input(97, (2026, 6, 21), (59.91, 10.75)) + struct.pack("<i", 120) + struct.pack("<8i", 17, 1, 0, 0, 0, 0, 0, 0)
          + struct.pack("<dBi", 1665.0, 1, 2))
    write("fuzz_engine", "sun_events", engine_input(102, (2026, 6, 21)) + struct.pack("<i", 120) + struct.pack("<3d", 30.0, 31.0, -18.0) + b"\x01"
          + struct.pack("<d", 1665.0) + b"seventh")
    write("fuzz_engine", "zone_text", engine_input(100, (330, -210, 0)) + b"+5:45")
    write("fuzz_engine", "method_name", engine_input(101, (0, 0, 0)) + b"selvara")
    write("fuzz_engine", "request", engine_input(103, (2026, 2, 27), (45.49, 15.59)) + struct.pack("<ii", 60, 1) + options + b"\x05")
    write("fuzz_engine", "request_named", engine_input(103, (2026, 2, 27), (33.53, -5.11)) + struct.pack("<ii", 60, 1)
          + struct.pack("<8i", 17, 1, 0, 0, 0, 0, 0, 0) + struct.pack("<dBi", 1665.0, 0, 4) + b"\x1f")
    write("fuzz_engine", "timetable", engine_input(128 + 8, (2026, 12, 1), (1.0, 15.59, 45.49), b"\x1f"))

    # Compiled zone files of the tz database (public domain) as the build machine has them, a cut
    # one, and zone texts and POSIX rules for the zone-text harness.
    for zone in ("Europe/London", "Asia/Tehran"):
        with open(os.path.join("/usr/share/zoneinfo", zone), "rb") as f:
            data = f.read()
        write("fuzz_tzfile", zone.replace("/", "_"), data)
    write("fuzz_tzfile", "cut", data[:100])
    for name, text in (("hours", b"5"), ("decimal", b"-3.5"), ("minutes", b"+5:45"), ("bad", b"5:60"),
                       ("rule_london", b"\0GMT0BST,M3.5.0/1,M10.5.0"), ("rule_santiago", b"\0<-04>4<-03>,M9.1.6/24,M4.1.6/24"),
                       ("rule_julian", b"\0EST5EDT,0/0,J365/25")):
        write("fuzz_zone_text", name, text)

    # selvara.ini's values, one line per key in the order the file is read.
    ini_default = b"selvara\nstandard\n0\n0\n0\n0\n0\n0\n1\n\n\n0"
    write("fuzz_calculation_settings", "default", ini_default)
    write("fuzz_calculation_settings", "karachi",
          b"KARACHI\nhanafi\n-2\n0\n1\n120\n-120\n3\n0\nAsia/Karachi\n330\n-2" + struct.pack("<i", 6))
    # The keys after the night's: high-latitude rule, elevation for every method, the elevation, a
    # found town's method (the older seeds end before them).
    write("fuzz_calculation_settings", "fes",
          b"morocco\nstandard\n0\n0\n0\n0\n0\n0\n1\nAfrica/Casablanca\n\n0\n\n\nseventh\n1\n406\n1" + struct.pack("<i", 1))
    write("fuzz_calculation_settings", "night", ini_default + b"\n25\nSunrise")
    write("fuzz_calculation_settings", "hostile", b"99999999999\n\x00\xff\n+\n--1\n0x7f\n1e9\n\n-\n2\nMars/Base\n5:30\n7")

    # The [Reminders] values, one line per key in the order the file is read.
    write("fuzz_reminder_settings", "default", b"chime\nnone\nchime\nchime\nchime\nchime\n0\n0\n0\n0\n0\n0\n0\n0\n\n")
    write("fuzz_reminder_settings", "files",
          b"file\nchime\nnone\nFILE\nchime\nfile\n10\n15\n0\n120\n5\n0\n30\n1\nC:\\Sounds\\adhan.wav\nC:\\Sounds\\fajr.mp3")
    write("fuzz_reminder_settings", "hostile", b"\xff\n\n-1\n121\n99999999999\n" + b"x" * 300 + b"\n1e3\n")


if __name__ == "__main__":
    main()
