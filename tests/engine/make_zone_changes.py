#!/usr/bin/env python3
"""Writes data/zone-changes.txt: for zones of both hemispheres, half-hour zones and zones whose
changes follow Ramadan, the UTC offset (minutes east) at local noon of the day before and the day
of every change of clock in the sampled years, as Python's own zoneinfo module computes it from the
system's tz database. The engine's embedded table is checked against these lines.

    python3 tests/engine/make_zone_changes.py > tests/engine/data/zone-changes.txt
"""
from datetime import date, datetime, timedelta
from zoneinfo import ZoneInfo

ZONES = ["Europe/London", "America/New_York", "Australia/Sydney", "America/Santiago", "Africa/Cairo",
         "Asia/Tehran", "Africa/Casablanca", "Asia/Gaza", "Europe/Dublin", "Australia/Lord_Howe",
         "America/St_Johns", "Asia/Kolkata", "Asia/Karachi", "Europe/Istanbul"]
YEARS = [1975, 1990, 2010, 2021, 2026, 2045]


def noon_offset(zone, day):
    moment = datetime(day.year, day.month, day.day, 12, tzinfo=ZoneInfo(zone))
    return round(moment.utcoffset().total_seconds() / 60)


if __name__ == "__main__":
    for zone in ZONES:
        for year in YEARS:
            day = date(year, 1, 1)
            previous = noon_offset(zone, day)
            print(f"{zone} {day.isoformat()} {previous}")
            while day.year == year:
                offset = noon_offset(zone, day)
                if offset != previous:
                    before = day - timedelta(days=1)
                    print(f"{zone} {before.isoformat()} {previous}")
                    print(f"{zone} {day.isoformat()} {offset}")
                previous = offset
                day += timedelta(days=1)
