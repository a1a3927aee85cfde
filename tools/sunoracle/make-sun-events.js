#!/usr/bin/env node
// Writes tests/engine/data/sun-events.txt: instants of the sun's transit and of its centre at
// several altitudes (rise and set at -0.833 degrees, twilight at 4 to 20 degrees of depression)
// for places from -60 to +65 degrees of latitude and dates from 1900 to 2100, from the
// astronomy-engine package (Don Cross, MIT licence; VSOP87 and IAU 2006 nutation), used only as
// the engine tests' oracle: the table is committed and the tests do not need Node.
//
//   cd tools/sunoracle && npm install && node make-sun-events.js > ../../tests/engine/data/sun-events.txt
//
// Line: LAT LON ZONE_MINUTES YYYY-MM-DD EVENT ALTITUDE_DEG HOURS
// EVENT: transit, rising or setting; HOURS: the instant in hours of the zone's clock from the
// local date's midnight (may be below 0 or above 24), or none where the sun stays more than a
// degree above the altitude all night. A rising or setting whose altitude lies
// within a degree of the sun's lowest or highest altitude that day is left out: there a
// thousandth of a degree moves the instant by minutes, in any model.
'use strict';
const Astronomy = require('astronomy-engine');

const ALTITUDES_DEG = [-0.833, -4, -12, -15, -17, -18, -19.5, -20];
const PLACE_DAYS = 420;
const MARGIN_DEG = 1.0;
const MS_PER_HOUR = 3600000;

// A fixed linear congruential sequence, so the table is the same on every run.
let seed = 20261208;
function random() {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
}

function pad2(n) {
    return (n < 10 ? '0' : '') + n;
}

function hoursFrom(midnightMs, time) {
    return (time.date.getTime() - midnightMs) / MS_PER_HOUR;
}

const lines = [];
for (let i = 0; i < PLACE_DAYS; i++) {
    // Latitudes spread evenly over -60..65 with a draw inside each band, longitudes anywhere.
    const latitudeDeg = Math.round((-60 + 125 * (i + random()) / PLACE_DAYS) * 100) / 100;
    const longitudeDeg = Math.round((-180 + 360 * random()) * 100) / 100;
    const zoneMinutes = Math.round(longitudeDeg / 15) * 60;
    const year = 1900 + Math.floor(random() * 201);
    const month = 1 + Math.floor(random() * 12);
    const day = 1 + Math.floor(random() * 28);
    const midnightMs = Date.UTC(year, month - 1, day) - zoneMinutes * 60000;
    const observer = new Astronomy.Observer(latitudeDeg, longitudeDeg, 0);
    const head = `${latitudeDeg.toFixed(2)} ${longitudeDeg.toFixed(2)} ${zoneMinutes} ${year}-${pad2(month)}-${pad2(day)}`;

    const transit = Astronomy.SearchHourAngle(Astronomy.Body.Sun, observer, 0, new Date(midnightMs), +1);
    const transitMs = transit.time.date.getTime();
    lines.push(`${head} transit 0 ${hoursFrom(midnightMs, transit.time).toFixed(6)}`);
    const highestDeg = transit.hor.altitude;
    // The lowest altitudes before and after the transit, at the hour angle of 12 hours.
    const lowBefore = Astronomy.SearchHourAngle(Astronomy.Body.Sun, observer, 12, new Date(transitMs - 13 * MS_PER_HOUR), +1);
    const lowAfter = Astronomy.SearchHourAngle(Astronomy.Body.Sun, observer, 12, new Date(transitMs), +1);
    for (const altitudeDeg of ALTITUDES_DEG) {
        const sides = [
            ['rising', +1, transitMs - 12 * MS_PER_HOUR, lowBefore.hor.altitude],
            ['setting', -1, transitMs, lowAfter.hor.altitude],
        ];
        for (const [name, direction, startMs, lowestDeg] of sides) {
            if (altitudeDeg < lowestDeg - MARGIN_DEG) {
                lines.push(`${head} ${name} ${altitudeDeg} none`);  // the sun stays above it
                continue;
            }
            if (altitudeDeg < lowestDeg + MARGIN_DEG || altitudeDeg > highestDeg - MARGIN_DEG)
                continue;
            const event = Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, direction, new Date(startMs), 0.5, altitudeDeg);
            if (!event)
                continue;
            lines.push(`${head} ${name} ${altitudeDeg} ${hoursFrom(midnightMs, event).toFixed(6)}`);
        }
    }
}
process.stdout.write(lines.join('\n') + '\n');
