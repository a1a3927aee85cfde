#!/usr/bin/env python3
"""Writes engine/awqaf_areas.cpp: Awqaf UAE's areas and the minutes of each area's own on dawn
(engine/authority_areas.h), read from the service's calendars:

    tools/awqaf-areas.py CALENDARS LOCATIONS.json [path/to/selvara-cli] > engine/awqaf_areas.cpp

CALENDARS is the folder calendars/2026 of github.com/xalifaaa/prayer-times-ics-generator at commit
11abe1957a468ae46d7e04a7a0fc760204445237 (MIT licence): the service's (mobileappapi.awqaf.gov.ae)
answers as calendar files, one an area and month, November/<Emirate>[/<Area>]/November2026.ics and
the same for December. Every Fajr adhan in them is read, so a folder holding only the first days of
each file gives the same table as the whole ones. LOCATIONS.json is the service's city list as the
same repository saved it (locations_cache.json at commit f707076a5fc50de6ea5aad6112a694af85e12a8f):
each area's cityID, name and point.

An area's dawn minutes are the mean of its published dawn less the 18-degree moment at its point
(the console tool: `times --method karachi`, 18 degrees and nothing added); the service prints the
nearest minute, so the mean carries no rounding of its own. Areas listed at one point have one
timetable, and are written once, with all their days. The emirate of Dubai's areas give the emirate's
own times (the iacad method): they are written with the dubai method's own dawn minute, so a place
nearest them keeps the method as it is; where one shares its point with another emirate's area, the
other's calendars alone give the minutes. A mountain top's area, whose sunset the service puts later by
the top's height, is left out: its times are the summit's.
"""
import glob
import json
import os
import re
import statistics
import sys
from concurrent.futures import ThreadPoolExecutor

from calibration import console_minutes, console_tool

# The dubai method's own minute on dawn (engine/calculation_method.cpp), for the emirate of Dubai's
# areas, whose own times follow another rule.
RULE_DAWN_MINUTES = -1
DUBAI_EMIRATE = 2
# A place farther than this from every area's point (outside the country) keeps the method's own
# minutes: the widest gap between a town of the country and its nearest area is under 40 km.
REACH_KM = 50.0
MONTHS = ('November', 'December')
# How far one day's dawn may lie from its area's mean (the printed minute's rounding and the
# moment's drift over two months take about a minute).
MOST_SPREAD_MINUTES = 1.5
# The service sets the sun of a mountain top's area later by the top's height (the lowland areas'
# Maghrib comes 1.4 to 4.0 minutes after the sea-level sun, Jebel Hafeet's 5.9 and Jebel Jais' 7.5):
# such an area's times are the summit's, not the valley towns' nearer its point than their own
# area's (Al Ain's centre lies 15 km from Jebel Hafeet's point, 23 km from Al Ain's), so it is
# left out.
LATEST_LOWLAND_SUNSET_MINUTES = 5.0
ZONE_HOURS = 4


def folded(name):
    """A name with its spaces (no-break ones too) made single and its case dropped, as the calendar
    folders and the city list spell the same area."""
    return re.sub(r'\s+', ' ', name.replace('\u00a0', ' ')).strip().lower()


def adhans(path, prayer):
    """{ISO date: minutes of the day} of one prayer's adhans ("Fajr", "Maghrib") in a calendar file."""
    times = {}
    summary = None
    wanted = prayer + ' Adhan till Iqamah'
    with open(path, encoding='utf-8') as calendar:
        for line in calendar:
            line = line.rstrip('\r\n')
            if line.startswith('BEGIN:VEVENT'):
                summary = None
            elif line.startswith('SUMMARY:'):
                summary = line[len('SUMMARY:'):]
            elif line.startswith('DTSTART') and summary == wanted:
                stamp = line.rsplit(':', 1)[1]
                date = '%s-%s-%s' % (stamp[0:4], stamp[4:6], stamp[6:8])
                times[date] = int(stamp[9:11]) * 60 + int(stamp[11:13])
    return times


def calendar_files(calendars):
    """{folded area name: [calendar files]}: an emirate's own file is its main city's."""
    files = {}
    for month in MONTHS:
        for path in sorted(glob.glob(os.path.join(calendars, month, '**', '*.ics'), recursive=True)):
            parts = os.path.relpath(path, os.path.join(calendars, month)).split(os.sep)
            area = parts[-2] if len(parts) == 3 else parts[0]
            files.setdefault(folded(area), []).append(path)
    return files


def main():
    if len(sys.argv) < 3 or sys.argv[1] in ('-h', '--help'):
        print(__doc__.strip())
        return
    calendars, locations = sys.argv[1], sys.argv[2]
    cli = console_tool(sys.argv[1:])
    with open(locations, encoding='utf-8') as source:
        cities = json.load(source)['cities']
    files = calendar_files(calendars)
    # One entry a point: {(latitude, longitude): [cities]}, in the list's order.
    points = {}
    for city in cities:
        points.setdefault((city['latitude'], city['longitude']), []).append(city)
    rows = []
    left_out = []
    for (latitude, longitude), group in points.items():
        names = [' '.join(city['cityNameEn'].replace('\u00a0', ' ').split()) for city in group]
        ids = [city['cityID'] for city in group]
        if all(city['emirate'] == DUBAI_EMIRATE for city in group):
            rows.append((latitude, longitude, float(RULE_DAWN_MINUTES), ids, names, 'the emirate of Dubai'))
            continue
        dawns, sunsets = {}, {}
        for city in group:
            if city['emirate'] == DUBAI_EMIRATE:
                continue  # the emirate's own times, where its area shares a point with another's
            for path in files.get(folded(city['cityNameEn']), []):
                dawns.update(adhans(path, 'Fajr'))
                sunsets.update(adhans(path, 'Maghrib'))
        if not dawns:
            sys.exit('no calendar for %s' % ', '.join(names))
        dates = sorted(dawns)
        with ThreadPoolExecutor(4) as pool:
            # The 18-degree dawn (0) and the sea-level sunset (4) of a method that adds nothing.
            events = dict(zip(dates, pool.map(
                lambda date: console_minutes(cli, latitude, longitude, ZONE_HOURS, date, 'karachi'), dates)))
        offsets = [dawns[date] - events[date][0] for date in dates]
        dawn_minutes = statistics.mean(offsets)
        for date, offset in zip(dates, offsets):
            # The nearest minute of a steady moment: one further off is a damaged file.
            if abs(offset - dawn_minutes) > MOST_SPREAD_MINUTES:
                sys.exit('%s, %s: dawn %+.2f minutes from the 18-degree moment, the others %+.2f'
                         % (', '.join(names), date, offset, dawn_minutes))
        sunset_offsets = [sunsets[date] - events[date][4] for date in dates if date in sunsets]
        if not sunset_offsets:
            sys.exit('no Maghrib for %s' % ', '.join(names))
        sunset_minutes = statistics.mean(sunset_offsets)
        if sunset_minutes > LATEST_LOWLAND_SUNSET_MINUTES:
            left_out.append('%s (sunset %+.1f minutes after the sea-level sun)' % (', '.join(names), sunset_minutes))
            continue
        rows.append((latitude, longitude, dawn_minutes, ids, names, '%d days' % len(dates)))
    print('// Generated by tools/awqaf-areas.py from the Awqaf UAE service\'s city list and its November and')
    print('// December 2026 calendars (github.com/xalifaaa/prayer-times-ics-generator, MIT); do not edit by')
    print('// hand. Each area: its point and its dawn less the 18-degree moment there, in minutes.')
    print('#include "authority_areas.h"')
    print()
    print('namespace {')
    print()
    print('const AuthorityArea areas[] = {')
    for latitude, longitude, minutes, ids, names, basis in rows:
        minutes = round(minutes, 2) + 0.0  # no "-0.00"
        print('    {%.6f, %.6f, %.2f},  // %s: %s (%s)' % (latitude, longitude, minutes,
                                                         '/'.join(str(i) for i in ids), ', '.join(names), basis))
    print('};')
    for area in left_out:
        print('// Left out, a mountain top\'s: %s.' % area)
    print()
    print('}  // namespace')
    print()
    print('const AuthorityAreaList awqafAreas = {areas, static_cast<int>(sizeof areas / sizeof areas[0]), %.1f};'
          % REACH_KM)


if __name__ == '__main__':
    main()
