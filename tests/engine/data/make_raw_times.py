#!/usr/bin/env python3
"""Writes raw_times.csv: the sun's times and the six prayer times, in decimal hours to 12 places,
for a table of places and days, computed here from the published low-order solar series
(mean longitude, mean anomaly, eccentricity and obliquity as polynomials in Julian centuries,
the equation of time from them, Kepler's equation by Newton's method, declination with a fixed
obliquity of 23.441884 degrees) and the prayer rules, with Python's own floating point. The
engine's tests compare with this table to 1e-9 h, so that a change in a constant's last digit,
in the -0.833333 / -0.83333 degree altitudes or in Kepler's last step shows up.

    python3 tests/engine/data/make_raw_times.py > tests/engine/data/raw_times.csv
"""
import math

DEG = math.pi / 180.0          # degrees to radians
HOURS_PER_RADIAN = 12.0 / math.pi
RISE_SET_ALTITUDE_DEG = -0.833333       # upper limb with refraction, for rise and set
CORRECTION_ALTITUDE_DEG = -0.83333      # the horizon-correction step's own altitude
EARTH_RADIUS_M = 6378140.0
SAFETY_HOURS = 0.016388
DAWN_DEPRESSION_DEG = 19.0
SUBSTITUTE_LATITUDE_DEG = 45.0
HEIGHT_M = 300.0
ISHA_INTERVAL_HOURS = 1.5
HIGH_LATITUDE_RAD = 0.83776    # from here dawn may take the night share (48 degrees, rounded)
HORIZON_CORRECTION_MAX_LATITUDE_RAD = 0.79


def acos_or_nan(x):
    return math.atan2(math.sqrt((1.0 + x) * (1.0 - x)), x) if -1.0 <= x <= 1.0 else float("nan")


def asin_or_nan(u):
    return math.atan2(u, math.sqrt((1.0 + u) * (1.0 - u))) if -1.0 <= u <= 1.0 else float("nan")


def julian_day(year, month, day):
    """Julian day of a proleptic Gregorian date (Meeus, Astronomical Algorithms, chapter 7)."""
    if month <= 2:
        year -= 1
        month += 12
    a = math.trunc(year / 100)
    b = 2 - a + math.trunc(a / 4)
    return math.trunc(365.25 * (year + 4716)) + math.trunc(30.6001 * (month + 1)) + day + b - 1524.5


def reduce_degrees(angle):
    # Subtract 360 while above 360, add while below 0 (fmod gives the same exactly).
    if angle > 360.0:
        angle = math.fmod(angle, 360.0)
        if angle == 0.0:
            angle = 360.0
    elif angle < 0.0:
        angle = math.fmod(angle, 360.0)
        angle = angle + 360.0 if angle < 0.0 else 0.0
    return angle


def kepler(mean_anomaly, eccentricity):
    e = mean_anomaly
    while True:
        residual = e - eccentricity * math.sin(e) - mean_anomaly
        e -= residual / (1.0 - eccentricity * math.cos(e))
        if abs(residual) <= 1e-9:
            return e


def declination(ecliptic_longitude):
    s = math.sin(ecliptic_longitude) * math.sin(23.441884 * 0.017453292)
    return math.atan2(s, math.sqrt((1.0 + s) * (1.0 - s)))


def sun_times(year, month, day, longitude, latitude, zone_hours):
    """(rise, transit, set, declination, no_sunrise) for local midnight of the date."""
    t = (julian_day(year, month, day) - zone_hours / 24.0 - 2451545.0) / 36525.0
    mean_longitude = reduce_degrees(279.6966778 + 36000.76892 * t + 0.0003025 * t * t) * DEG
    mean_anomaly = reduce_degrees(358.47583 + 35999.04975 * t - 0.00015 * t * t - 0.0000033 * t * t * t) * DEG
    ecc = 0.01675104 - 0.0000418 * t - 0.000000126 * t * t
    obliquity = (23.452294 - 0.0130125 * t - 0.00000164 * t * t + 0.000000503 * t * t * t) * DEG
    y = math.tan(obliquity / 2.0) ** 2
    l, m = mean_longitude, mean_anomaly
    eot = HOURS_PER_RADIAN * (y * math.sin(2 * l) - 2 * ecc * math.sin(m) + 4 * ecc * y * math.sin(m) * math.cos(2 * l)
                              - 0.5 * y * y * math.sin(4 * l) - 1.25 * ecc * ecc * math.sin(2 * m))
    true_anomaly = 2.0 * math.atan(math.sqrt((1.0 + ecc) / (1.0 - ecc)) * math.tan(kepler(m, ecc) / 2.0))
    dec = declination(l - m + true_anomaly)
    transit = 12.0 + zone_hours - eot - longitude * HOURS_PER_RADIAN
    x = (math.sin(RISE_SET_ALTITUDE_DEG * DEG) - math.sin(latitude) * math.sin(dec)) / (math.cos(latitude) * math.cos(dec))
    no_sunrise = x > 1.0
    half_day = acos_or_nan(min(x, 1.0)) * HOURS_PER_RADIAN
    return transit - half_day, transit, transit + half_day, dec, no_sunrise


def substitute(latitude):
    return -SUBSTITUTE_LATITUDE_DEG * DEG if latitude < 0.0 else SUBSTITUTE_LATITUDE_DEG * DEG


def dawn_share(year, month, day, longitude, latitude, zone_hours):
    lat = substitute(latitude)
    rise, transit, set_, dec, _ = sun_times(year, month, day, longitude, lat, zone_hours)
    ss, cc = math.sin(lat) * math.sin(dec), math.cos(lat) * math.cos(dec)
    dawn = transit - acos_or_nan((math.sin(-DAWN_DEPRESSION_DEG * DEG) - ss) / cc) * HOURS_PER_RADIAN - SAFETY_HOURS
    return (rise - dawn) / (24.0 - set_ + rise)


def prayer_times(year, month, day, real_lat, lon, zone_hours):
    lat = real_lat
    rise, transit, set_, dec, no_sunrise = sun_times(year, month, day, lon, lat, zone_hours)
    ss, cc = math.sin(lat) * math.sin(dec), math.cos(lat) * math.cos(dec)
    rise_fix = set_fix = 0.0
    if not no_sunrise and abs(lat) < HORIZON_CORRECTION_MAX_LATITUDE_RAD:
        h0 = acos_or_nan((math.sin(CORRECTION_ALTITUDE_DEG * DEG) - ss) / cc)
        altitude = 89.16667 * DEG - asin_or_nan(EARTH_RADIUS_M / (EARTH_RADIUS_M + HEIGHT_M))
        rise_fix = set_fix = (h0 - acos_or_nan((math.sin(altitude) - ss) / cc)) * HOURS_PER_RADIAN
    length = abs(set_ - rise)
    if no_sunrise or length <= 1.0 or not length < 23.0:
        lat = substitute(real_lat)
        rise, transit, set_, dec, _ = sun_times(year, month, day, lon, lat, zone_hours)
        ss, cc = math.sin(lat) * math.sin(dec), math.cos(lat) * math.cos(dec)
    if transit < 0.0:
        transit += 24.0
    sunrise = rise - rise_fix
    noon = transit + SAFETY_HOURS
    sunset = set_ + set_fix + SAFETY_HOURS
    shadow_altitude = math.atan(1.0 / (1.0 + math.tan(abs(dec - lat))))
    q = (math.sin(shadow_altitude) - ss) / cc
    afternoon = transit + (3.5 if abs(q) > 1.0 else acos_or_nan(q) * HOURS_PER_RADIAN) + SAFETY_HOURS
    depression = DAWN_DEPRESSION_DEG * DEG
    q = (math.sin(-depression) - ss) / cc
    if abs(real_lat) < HIGH_LATITUDE_RAD:
        # Below 48 degrees the night share is taken only where the sun never reaches the depression.
        use_share = not abs(q) <= 1.0
    else:
        use_share = abs(q) > 0.45 + 1.3369 * depression
    if use_share:
        share = dawn_share(year, 6 if real_lat >= 0.0 else 12, 21, lon, real_lat, zone_hours)
        dawn = rise - share * (24.0 - set_ + rise)
    else:
        dawn = transit - acos_or_nan(q) * HOURS_PER_RADIAN - rise_fix + SAFETY_HOURS
    return dawn, sunrise, noon, afternoon, sunset, sunset + ISHA_INTERVAL_HOURS


# Places and days: the worked examples of every rule, both hemispheres, far years and zones.
ROWS = [
    (45.49, 15.59, 1, 2026, 1, 1),      # ordinary
    (45.49, 15.59, 1, 2026, 7, 15),
    (21.42, 39.83, 3, 2024, 2, 28),     # horizon corrections
    (-33.87, 151.21, 10, 2026, 6, 21),  # southern winter, corrections
    (59.91, 10.75, 1, 2026, 6, 21),     # dawn by the solstice share
    (59.91, 10.75, 1, 2026, 12, 21),    # beyond 48 degrees, ordinary dawn
    (69.65, 18.96, 1, 2026, 6, 21),     # midnight sun: substitute latitude
    (69.65, 18.96, 1, 2026, 12, 21),    # polar night: substitute latitude
    (47.8, 10.0, 1, 2026, 6, 21),       # the band below 48 degrees: night share
    (48.0, 10.0, 1, 2026, 6, 10),       # 48 degrees: just below the high-latitude rule's 0.83776 rad
    ("0.83776", 10.0, 1, 2026, 6, 10),  # exactly at it (latitude given in radians)
    (0.0, 0.0, 0, 2000, 1, 1),          # equator, epoch
    (-60.0, -70.0, -4, 2026, 12, 21),   # southern summer, west
    (1.29, 103.85, 8, 1900, 3, 1),
    (40.71, -74.01, -5, 2099, 12, 31),
    (-0.5, 179.9, 12, 2026, 3, 20),
    (10.0, 179.9, -12, 2026, 3, 20),    # transit below 0: moved by 24 hours
    (64.15, -21.94, 0, 2026, 5, 20),
]


def main():
    # Latitude and longitude in radians as the engine takes them (degrees times pi / 180, or as given).
    print("latitude_rad,longitude_rad,zone,year,month,day,rise,transit,set,declination,"
          "dawn,sunrise,noon,afternoon,sunset,evening")
    for lat, lon, zone, year, month, day in ROWS:
        lat_rad = float(lat) if isinstance(lat, str) else lat * DEG
        lon_rad = lon * DEG
        rise, transit, set_, dec, _ = sun_times(year, month, day, lon_rad, lat_rad, float(zone))
        times = prayer_times(year, month, day, lat_rad, lon_rad, float(zone))
        values = [rise, transit, set_, dec] + list(times)
        print("%r,%r,%d,%d,%d,%d," % (lat_rad, lon_rad, zone, year, month, day) + ",".join("%.12f" % v for v in values))


if __name__ == "__main__":
    main()
