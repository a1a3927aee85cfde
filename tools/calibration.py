"""What the scripts that read an authority's rules from its tables share (tools/ummalqura-horizon.py,
tools/awqaf-points.py, tools/jordan-regions.py, tools/reference-point.py, tools/habous-places.py):
the command line, the rows of a source table in the form "City,Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,
Isha", the console tool's unrounded times for a place and date, the geometric dip of a height, the
methods' roundings, and the point a table is computed for.
"""
import math
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EARTH_RADIUS_M = 6371000.0
# Heights a sunrise or sunset is computed at to be interpolated between, and the highest read.
SAMPLE_HEIGHTS_M = (0, 800, 3000)
HIGHEST_M = 4000
SUNRISE, SUNSET = 1, 4


def console_tool(arguments):
    """The console tool named after the source on the command line, or the native build's."""
    return arguments[2] if len(arguments) > 2 else os.path.join(ROOT, 'build', 'native', 'cli', 'selvara-cli')


def dip_deg(height_m):
    """The geometric dip of the horizon seen from height_m metres, in degrees."""
    return math.degrees(math.acos(EARTH_RADIUS_M / (EARTH_RADIUS_M + height_m))) if height_m > 0 else 0.0


def minutes_of(text):
    """Minutes of the day of a clock time "H:MM" or "HH:MM"."""
    hours, minutes = text.split(':')
    return int(hours) * 60 + int(minutes)


def source_rows(path, wanted):
    """(line number from 1, fields) of every row of a "City,Date" and six times table whose city is
    one of wanted; the header and other cities' rows are passed over."""
    with open(path, encoding='utf-8') as source:
        for number, line in enumerate(source, start=1):
            fields = line.strip().split(',')
            if len(fields) == 8 and fields[0] in wanted:
                yield number, fields


def dated_minutes(path, wanted):
    """{city: [(ISO date, [six published minutes])]} of the rows of source_rows dated DD/MM/YYYY and
    printed on a 24-hour clock."""
    days = {}
    for _, fields in source_rows(path, wanted):
        day, month, year = fields[1].split('/')
        days.setdefault(fields[0], []).append(('%s-%s-%s' % (year, month, day),
                                               [minutes_of(text) for text in fields[2:8]]))
    return days


def command_line(doc):
    """(SOURCE.csv, the console tool) from the command line; None after printing doc where there is
    no source or help is asked for."""
    if len(sys.argv) < 2 or sys.argv[1] in ('-h', '--help'):
        print(doc.strip())
        return None
    return sys.argv[1], console_tool(sys.argv)


def console_minutes(cli, latitude, longitude, zone_hours, date, method, elevation_m=None):
    """The six times of `selvara-cli times` for a place and ISO date, in minutes of the day, unrounded."""
    arguments = [cli, 'times', '--lat', str(latitude), '--lon', str(longitude), '--zone', str(zone_hours),
                 '--date', date, '--method', method]
    if elevation_m is not None:
        arguments += ['--elevation', str(elevation_m)]
    out = subprocess.run(arguments, check=True, capture_output=True, text=True).stdout.split()
    return [float(value) * 60.0 for value in out[:6]]


# The rounding of each of the six printed times (dawn .. evening) of the methods whose tables are
# read: "near" the nearest minute, "up" the next whole minute, "cut" the minute begun.
ROUNDINGS = {
    'egypt': ['near'] * 6,
    'makkah': ['near'] * 6,
    'jordan': ['cut', 'cut', 'near', 'near', 'near', 'near'],
    'kuwait': ['near'] * 6,
    'algeria': ['up'] * 6,
    'dubai': ['near', 'cut', 'near', 'near', 'cut', 'near'],
    'iacad': ['cut', 'near', 'near', 'near', 'cut', 'near'],
    'qatar': ['near'] * 6,
    'singapore': ['up'] * 6,
    'morocco': ['cut', 'near', 'near', 'near', 'near', 'near'],
    'tunisia': ['cut', 'cut', 'near', 'near', 'cut', 'cut'],
}
METHODS_USING_ELEVATION = ('morocco', 'makkah', 'jordan')
# Methods whose horizon never rises above a least depression (makkah: 0.36 degrees, the dip of
# about 83 m at its share): their sunrise and sunset stop following the dip below that height, so
# read_height's parabola through 0, 800 and 3000 m does not hold for them.
METHODS_WITH_LEAST_HORIZON = ('makkah',)


def printed(minutes, rounding):
    """The minute of the day a time is printed as under a rounding of ROUNDINGS."""
    if rounding == 'up':
        whole = int(minutes)
        return whole if minutes - whole < 1e-9 else whole + 1
    if rounding == 'cut':
        return int(minutes)
    return int(minutes + 0.5)


def matched_count(rows, roundings):
    """(matched, compared) of rows [(six published minutes or None, six computed minutes)]."""
    matched = compared = 0
    for published, times in rows:
        for i in range(6):
            if published[i] is not None:
                compared += 1
                matched += printed(times[i], roundings[i]) == published[i]
    return matched, compared


def method_minutes(cli, latitude, longitude, elevation_m, date, zone_minutes, method):
    """console_minutes with the place's height passed only to a method whose authority uses it."""
    return console_minutes(cli, '%.6f' % latitude, '%.6f' % longitude, zone_minutes / 60.0, date, method,
                           elevation_m if method in METHODS_USING_ELEVATION else None)


def read_point(cli, days, latitude, longitude, elevation_m, method, reach_deg=0.1, step_deg=0.0025):
    """The point within reach_deg of (latitude, longitude) whose times the method prints as the
    published ones of days [(ISO date, zone minutes, six published minutes or None)] most often;
    of equals, the nearest. Each time is computed at the given point and at points moved reach_deg
    north and east, and taken as linear in the move (over a few kilometres it is, to a hundredth of
    a second)."""
    roundings = ROUNDINGS[method]
    samples = []
    for date, zone_minutes, published in days:
        at = [method_minutes(cli, latitude + north, longitude + east, elevation_m, date, zone_minutes, method)
              for north, east in ((0.0, 0.0), (reach_deg, 0.0), (0.0, reach_deg))]
        samples.append((published, at))
    steps = int(round(reach_deg / step_deg))
    best = None
    for i in range(-steps, steps + 1):
        for j in range(-steps, steps + 1):
            a, b = i / steps, j / steps
            rows = [(published, [t0 + a * (tn - t0) + b * (te - t0) for t0, tn, te in zip(*at)])
                    for published, at in samples]
            key = (matched_count(rows, roundings)[0], -(i * i + j * j))
            if best is None or key > best[0]:
                best = (key, latitude + a * reach_deg, longitude + b * reach_deg)
    return best[1], best[2]


def quadratic(xs, ys, x):
    """The value at x of the parabola through three points."""
    (x0, x1, x2), (y0, y1, y2) = xs, ys
    return (y0 * (x - x1) * (x - x2) / ((x0 - x1) * (x0 - x2)) + y1 * (x - x0) * (x - x2) / ((x1 - x0) * (x1 - x2))
            + y2 * (x - x0) * (x - x1) / ((x2 - x0) * (x2 - x1)))


def read_height(cli, days, latitude, longitude, start_m, method):
    """The height at which the method prints most of days' sunrises and sunsets (days: [(ISO date,
    zone minutes, six published minutes or None)]) as published, to the metre; of equally
    good heights start_m where it is one, else the one whose times lie nearest the published on
    average. Sunrise and sunset are computed at three heights a day and interpolated in the
    geometric dip (quadratic; within a second over 0-2 degrees) and printed with the method's
    roundings of the two."""
    if method in METHODS_WITH_LEAST_HORIZON:
        sys.exit('read_height: %s keeps a least horizon; its heights cannot be read this way' % method)
    dips = tuple(dip_deg(h) for h in SAMPLE_HEIGHTS_M)
    rise_rounding, set_rounding = ROUNDINGS[method][SUNRISE], ROUNDINGS[method][SUNSET]
    samples = []
    for date, zone_minutes, published in days:
        computed = [method_minutes(cli, latitude, longitude, h, date, zone_minutes, method)
                    for h in SAMPLE_HEIGHTS_M]
        samples.append(([c[SUNRISE] for c in computed], [c[SUNSET] for c in computed],
                        published[SUNRISE], published[SUNSET]))

    def score(height_m):
        dip = dip_deg(height_m)
        count, residual = 0, 0.0
        for rises, sets, published_rise, published_set in samples:
            for computed, published, rounding in ((quadratic(dips, rises, dip), published_rise, rise_rounding),
                                                  (quadratic(dips, sets, dip), published_set, set_rounding)):
                if published is None:
                    continue
                count += printed(computed, rounding) == published
                residual += published - computed
        return count, abs(residual)

    scored = [(score(h), h) for h in range(0, HIGHEST_M + 1)]
    best = max(s[0] for s, _ in scored)
    if score(start_m)[0] == best:
        return start_m
    return min((s[1], h) for s, h in scored if s[0] == best)[1]
