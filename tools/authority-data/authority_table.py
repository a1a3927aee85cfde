"""What the authority-data generators share: the command line (one source file, or --help) and the
test data's CSV (comments, the place line, the header, one line a day). Imported by the scripts
beside it; not run on its own.
"""
import datetime
import re
import sys

HEADER = 'date,zone_minutes,dawn,sunrise,noon,afternoon,sunset,evening'
_source_path = ''


def source_lines(doc, arguments=1):
    """The lines of the source file, the last of `arguments` command-line arguments; --help prints
    doc and returns None."""
    global _source_path
    if len(sys.argv) == 2 and sys.argv[1] in ('-h', '--help'):
        print(doc.strip())
        return None
    if len(sys.argv) != 1 + arguments:
        sys.exit(doc.strip())
    _source_path = sys.argv[arguments]
    try:
        with open(_source_path, encoding='utf-8') as source:
            return source.read().splitlines()
    except (OSError, UnicodeDecodeError) as error:
        sys.exit('%s: %s' % (_source_path, error))


def fail(number, message):
    """Stops on a line of the source that is not what the generator reads (number 0: the file)."""
    where = _source_path if number == 0 else '%s:%d' % (_source_path, number)
    sys.exit('%s: %s' % (where, message))


_DATED_DAY = re.compile(r'^(\d{2})/(\d{2})/(\d{4})((?:,\d{2}:\d{2}){6})$')


def dated_days(lines, header, zone_minutes):
    """The days of a source whose first line is header and every other line "DD/MM/YYYY" and six
    HH:MM times on a 24-hour clock: (ISO date, zone_minutes, the six times) each, in order; empty
    lines are passed over, any other line stops the generator."""
    if not lines or lines[0].lstrip('\ufeff').strip() != header:
        fail(1, 'not the header %s' % header)
    days = []
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        match = _DATED_DAY.match(line.strip())
        if not match:
            fail(number, 'not a day: %r' % line)
        try:
            date = datetime.date(int(match.group(3)), int(match.group(2)), int(match.group(1)))
        except ValueError:
            fail(number, 'no such date: %r' % line)
        days.append((date.isoformat(), zone_minutes, match.group(4)[1:].split(',')))
    return days


def require_whole_year(days, year, what=''):
    """Fails unless days [(ISO date, ...)] hold every date of year once and nothing else."""
    first = datetime.date(year, 1, 1)
    wanted = {(first + datetime.timedelta(days=n)).isoformat()
              for n in range((datetime.date(year + 1, 1, 1) - first).days)}
    dates = [day[0] for day in days]
    if len(dates) != len(wanted) or set(dates) != wanted:
        fail(0, '%d days%s, not the %d of %d' % (len(dates), what, len(wanted), year))


def write_table(comments, place, days):
    """Writes the CSV to stdout: "# " comments, the place line, the header and the days, each
    (ISO date, zone minutes, six HH:MM times). No days is a failure, not an empty table."""
    write_places(comments, [(place, days)])


def write_places(comments, places):
    """As write_table, for several places: (place line, days) each, in that order."""
    out = ['# ' + line for line in comments]
    for place, days in places:
        if not days:
            fail(0, 'no days for %s' % place.split(',')[1])
        out += [place, HEADER]
        out += ['%s,%d,%s' % (date, zone_minutes, ','.join(times)) for date, zone_minutes, times in days]
    sys.stdout.write('\n'.join(out) + '\n')
