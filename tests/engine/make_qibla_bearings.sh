#!/usr/bin/env bash
# Writes data/qibla-bearings.txt: for principal cities of tz zones on every continent, the city's
# coordinates from tzdata's zone1970.tab (degrees, minutes and seconds as published there) and the
# great-circle bearing and distance to the Kaaba (21.4225241 N, 39.8261818 E) on a sphere of radius
# 6371 km, as GeographicLib's GeodSolve (Debian package geographiclib-tools, MIT licence) computes
# them with the flattening set to 0.
#
#     bash tests/engine/make_qibla_bearings.sh > tests/engine/data/qibla-bearings.txt
set -eu
command -v GeodSolve >/dev/null || { echo "needs GeodSolve (apt-get install geographiclib-tools)" >&2; exit 2; }
tab=/usr/share/zoneinfo/zone1970.tab

cities="America/New_York America/Toronto America/Los_Angeles America/Mexico_City America/Anchorage
America/Sao_Paulo America/Argentina/Buenos_Aires Europe/London Europe/Paris Europe/Berlin Europe/Istanbul
Europe/Moscow Africa/Cairo Africa/Lagos Africa/Johannesburg Africa/Nairobi Asia/Riyadh Asia/Dubai Asia/Tehran
Asia/Karachi Asia/Kolkata Asia/Jakarta Asia/Singapore Asia/Manila Asia/Tokyo Asia/Shanghai Australia/Sydney
Australia/Perth Pacific/Auckland Pacific/Honolulu"

# +DDMM[SS] or +DDDMM[SS] into decimal degrees.
decimal() {
    local text=$1 degreeDigits=$2 sign=1
    [ "${text:0:1}" = "-" ] && sign=-1
    local digits=${text:1}
    local d=${digits:0:degreeDigits} m=${digits:degreeDigits:2} s=${digits:degreeDigits+2:2}
    awk -v sign="$sign" -v d="$d" -v m="$m" -v s="${s:-0}" 'BEGIN { printf "%.6f", sign * (d + m / 60 + s / 3600) }'
}

echo "# zone latitude_deg longitude_deg bearing_deg distance_km"
for zone in $cities; do
    coordinates=$(awk -v z="$zone" '$3 == z { print $2 }' "$tab")
    [ -n "$coordinates" ] || { echo "no $zone in $tab" >&2; exit 1; }
    # The latitude is +DDMM or +DDMMSS, the longitude follows with its own sign.
    split=$(printf '%s' "$coordinates" | sed -E 's/^([+-][0-9]+)([+-][0-9]+)$/\1 \2/')
    latitude=$(decimal "${split% *}" 2)
    longitude=$(decimal "${split#* }" 3)
    read -r bearing _ distance < <(echo "$latitude $longitude 21.4225241 39.8261818" |
        GeodSolve -i -e 6371000 0 -p 9)
    awk -v z="$zone" -v la="$latitude" -v lo="$longitude" -v b="$bearing" -v s="$distance" \
        'BEGIN { if (b < 0) b += 360; printf "%s %s %s %.6f %.3f\n", z, la, lo, b, s / 1000 }'
done
