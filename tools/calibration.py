"""What the scripts that read an authority's rules from its tables outside the test data share
(tools/ummalqura-horizon.py, tools/awqaf-points.py, tools/jordan-regions.py): the command line, the
rows of a source table in the form "City,Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,Isha", the console
tool's unrounded times for a place and date, and the geometric dip of a height.
"""
import math
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EARTH_RADIUS_M = 6371000.0


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
