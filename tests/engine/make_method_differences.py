#!/usr/bin/env python3
"""Writes data/method-differences.txt: for places of the regions the methods serve and days of
the year, the minutes by which each method's dawn, Maghrib and evening differ from the program's
own method (dawn 19 degrees, sunset at the horizon), and the Hanafi afternoon from the standard
one, computed from the published angles with the textbook hour-angle formula and the sun's
declination of the NOAA solar calculator's series at local midnight (the moment the
engine evaluates the sun for the whole day). Differences of two times of one
day cancel most of any difference between sun models, so the engine is checked against these
within a fraction of a minute.

    python3 tests/engine/make_method_differences.py > tests/engine/data/method-differences.txt

Line: PLACE LAT LON ZONE_MINUTES DATE METHOD DAWN_SHIFT MAGHRIB_AFTER_SUNSET EVENING_AFTER_SUNSET HANAFI_DELAY
(minutes; EVENING is "-" for a method whose evening is an interval after sunset)."""
import math

# name: (dawn, evening angle or None, maghrib angle or None)
METHODS = {
    "selvara": (19.0, None, None), "mwl": (18.0, 17.0, None), "isna": (15.0, 15.0, None),
    "egypt": (19.5, 17.5, None), "karachi": (18.0, 18.0, None), "makkah": (18.5, None, None),
    "gulf": (19.5, None, None), "kuwait": (18.0, 17.5, None), "qatar": (18.0, None, None),
    "singapore": (20.0, 18.0, None), "turkey": (18.0, 17.0, None), "tehran": (17.7, 14.0, 4.5),
    "jafari": (16.0, 14.0, 4.0), "france": (12.0, 12.0, None), "russia": (16.0, 15.0, None),
}
PLACES = [("Karachi", 24.86, 67.01, 5), ("Tehran", 35.69, 51.39, 3.5), ("Cairo", 30.04, 31.24, 2),
          ("Istanbul", 41.01, 28.98, 3), ("Delhi", 28.61, 77.21, 5.5), ("Makkah", 21.42, 39.83, 3),
          ("KualaLumpur", 3.14, 101.69, 8), ("Sydney", -33.87, 151.21, 10), ("London", 51.51, -0.13, 0)]
DATES = [(2026, 1, 15), (2026, 4, 20), (2026, 6, 21), (2026, 9, 23), (2026, 12, 21)]
SUNSET_ALTITUDE = -0.833


def julian_day(year, month, day):
    if month <= 2:
        year -= 1
        month += 12
    a = year // 100
    return int(365.25 * (year + 4716)) + int(30.6001 * (month + 1)) + day + 2 - a + a // 4 - 1524.5


def declination_deg(jd):
    """NOAA solar calculator: apparent declination of the sun."""
    t = (jd - 2451545.0) / 36525.0
    l0 = (280.46646 + t * (36000.76983 + 0.0003032 * t)) % 360
    m = math.radians(357.52911 + t * (35999.05029 - 0.0001537 * t))
    c = (math.sin(m) * (1.914602 - t * (0.004817 + 0.000014 * t)) + math.sin(2 * m) * (0.019993 - 0.000101 * t)
         + math.sin(3 * m) * 0.000289)
    omega = math.radians(125.04 - 1934.136 * t)
    apparent = math.radians(l0 + c - 0.00569 - 0.00478 * math.sin(omega))
    seconds = 21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))
    obliquity = math.radians(23.0 + (26.0 + seconds / 60.0) / 60.0 + 0.00256 * math.cos(omega))
    return math.degrees(math.asin(math.sin(obliquity) * math.sin(apparent)))


def hour_angle_minutes(latitude, declination, altitude):
    phi, delta, a = map(math.radians, (latitude, declination, altitude))
    x = (math.sin(a) - math.sin(phi) * math.sin(delta)) / (math.cos(phi) * math.cos(delta))
    if abs(x) > 1:
        return None
    return math.degrees(math.acos(x)) * 4.0  # 15 degrees an hour


def high_latitude_rule_applies(latitude, declination, depression):
    """From 48 degrees on the engine takes a twilight as a share of the night when the hour-angle
    cosine exceeds 0.45 + 1.3369 x depression (radians): no angle to compare there."""
    if abs(latitude) < 48.0:
        return False
    phi, delta, a = map(math.radians, (latitude, declination, -depression))
    x = (math.sin(a) - math.sin(phi) * math.sin(delta)) / (math.cos(phi) * math.cos(delta))
    return abs(x) > 0.45 + 1.3369 * math.radians(depression)


def main():
    for place, latitude, longitude, zone in PLACES:
        for year, month, day in DATES:
            if latitude > 48.0 and month in (4, 6):
                # Twilight grazes there: a hundredth of a degree of declination between two sun
                # models moves its times by a minute, which would hide the angles being checked.
                continue
            # The engine takes the sun's position once a day, at local midnight: so does this.
            jd_midnight = julian_day(year, month, day) - zone / 24.0
            delta = declination_deg(jd_midnight)
            sunset = hour_angle_minutes(latitude, delta, SUNSET_ALTITUDE)
            base_dawn = hour_angle_minutes(latitude, delta, -19.0)
            shadow = math.tan(math.radians(abs(latitude - delta)))
            asr1 = hour_angle_minutes(latitude, delta, math.degrees(math.atan(1.0 / (1.0 + shadow))))
            asr2 = hour_angle_minutes(latitude, delta, math.degrees(math.atan(1.0 / (2.0 + shadow))))
            for name, (dawn, evening, maghrib) in METHODS.items():
                dawn_angle = hour_angle_minutes(latitude, delta, -dawn)
                evening_angle = hour_angle_minutes(latitude, delta, -evening) if evening else None
                if None in (sunset, base_dawn, dawn_angle, asr1, asr2) or (evening and evening_angle is None):
                    continue
                if any(high_latitude_rule_applies(latitude, delta, d) for d in (19.0, dawn, evening or 0.0, maghrib or 0.0)
                       if d):
                    continue  # the sun does not reach an angle: a high-latitude rule decides instead
                dawn_shift = base_dawn - dawn_angle  # later dawn is positive
                maghrib_after = hour_angle_minutes(latitude, delta, -maghrib) - sunset if maghrib else 0.0
                evening_after = f"{evening_angle - sunset:.3f}" if evening else "-"
                print(f"{place} {latitude} {longitude} {round(zone * 60)} {year:04d}-{month:02d}-{day:02d} {name} {dawn_shift:.3f} "
                      f"{maghrib_after:.3f} {evening_after} {asr2 - asr1:.3f}")


if __name__ == "__main__":
    main()
