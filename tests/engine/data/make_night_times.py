#!/usr/bin/env python3
"""Writes night_times.csv: Imsak, the middle of the night and the start of its last third for a
table of places and days, computed here from the six prayer times of the day and of the next day
that make_raw_times.py computes (Python's own implementation of the solar series and the prayer
rules, not the engine's). The night runs from the day's sunset to the next day's Fajr, or to its
sunrise; the next day's times are moved onto the day's clock when the zone changes between the
two days (the day before clocks go forward). Times are decimal hours of the day's clock, not
folded into 0-24, to 12 places.

    python3 tests/engine/data/make_night_times.py > tests/engine/data/night_times.csv
"""
import datetime
import math

from make_raw_times import prayer_times

DEG = math.pi / 180.0

# latitude, longitude (degrees), zone of the day, zone of the next day (hours), date, Imsak minutes,
# end of the night
ROWS = [
    (45.49, 15.59, 1, 1, (2026, 1, 1), 10, "fajr"),         # the default place in winter
    (45.49, 15.59, 1, 1, (2026, 6, 21), 10, "sunrise"),
    (45.49, 15.59, 1, 1, (2026, 12, 31), 10, "fajr"),       # the next day is in the next year
    (51.5, -0.12, 1, 1, (2026, 6, 21), 10, "fajr"),         # the middle of the night after midnight
    (51.5, -0.12, 1, 1, (2026, 6, 21), 0, "sunrise"),
    (51.5, -0.12, 0, 1, (2026, 3, 28), 15, "fajr"),         # clocks go forward during the night
    (51.5, -0.12, 1, 0, (2026, 10, 24), 15, "sunrise"),     # clocks go back during the night
    (40.42, -3.70, 2, 2, (2026, 7, 1), 60, "fajr"),         # west of its zone: the night after midnight
    (69.65, 18.96, 1, 1, (2026, 6, 21), 10, "fajr"),        # midnight sun: the substitute latitude
    (69.65, 18.96, 1, 1, (2026, 12, 21), 10, "sunrise"),    # polar night
    (64.15, -21.94, 0, 0, (2026, 6, 21), 10, "fajr"),
    (64.15, -21.94, 0, 0, (2026, 6, 21), 10, "sunrise"),
    (-33.87, 151.21, 10, 10, (2026, 6, 21), 10, "fajr"),    # southern winter
    (-33.87, 151.21, 10, 10, (2026, 12, 21), 20, "sunrise"),
    (24.86, 67.01, 5, 5, (2028, 2, 28), 10, "fajr"),        # the next day is 29 February
    (21.42, 39.83, 3, 3, (2026, 3, 20), 10, "fajr"),
]


def main():
    print("latitude_deg,longitude_deg,zone,next_zone,year,month,day,imsak_minutes,night_end,"
          "dawn,sunrise,sunset,next_dawn,next_sunrise,imsak,midnight,last_third")
    for lat, lon, zone, next_zone, (year, month, day), imsak_minutes, end in ROWS:
        following = datetime.date(year, month, day) + datetime.timedelta(days=1)
        today = prayer_times(year, month, day, lat * DEG, lon * DEG, float(zone))
        tomorrow = prayer_times(following.year, following.month, following.day, lat * DEG, lon * DEG,
                                float(next_zone))
        dawn, sunrise, sunset = today[0], today[1], today[4]
        next_dawn, next_sunrise = tomorrow[0], tomorrow[1]
        night_end = (next_sunrise if end == "sunrise" else next_dawn) + 24.0 - (next_zone - zone)
        night = night_end - sunset
        imsak = dawn - imsak_minutes / 60.0
        midnight = sunset + night / 2.0
        last_third = sunset + night * 2.0 / 3.0
        values = [dawn, sunrise, sunset, next_dawn, next_sunrise, imsak, midnight, last_third]
        print("%r,%r,%d,%d,%d,%d,%d,%d,%s," % (lat, lon, zone, next_zone, year, month, day, imsak_minutes, end)
              + ",".join("%.12f" % v for v in values))


if __name__ == "__main__":
    main()
