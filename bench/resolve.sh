#!/usr/bin/env bash
# Times `Tormark --resolve` converting typed latitude/longitudes against cs2cs (Debian's
# proj-bin) projecting the same positions to the National Grid with the same datum shift.
#
#   bench/resolve.sh [BUILD_DIR] [RUNS]     (default: build, 3 runs; the best run counts)
#
# Generates 200,000 and 1,000,000 positions spread over Great Britain, typed as "54.45431N
# 3.21172W" for Tormark and as "-3.21172 54.45431" for cs2cs, and runs both on each file with
# the output to /dev/null. cs2cs does only the datum shift and the transverse Mercator; Tormark
# also writes the locator, the grid reference, the latitude/longitude text and the rest of its
# row. Prints wall and CPU time, the peak memory (/usr/bin/time -v) and the ratio
# Tormark / cs2cs of the wall times; the peer is left out when cs2cs is not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-3}
case $build in /*) ;; *) build=$PWD/$build ;; esac
tool=$build/tormark/Tormark
[ -x "$tool" ] || { echo "no $tool: build it first (cmake --build $build --target Tormark)"; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (Debian package: time)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The command line must not read the user's settings: an empty store of its own.
export HOME=$work/home XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen LC_ALL=C
mkdir -p "$HOME" "$XDG_CONFIG_HOME"

# The National Grid (Airy 1830, transverse Mercator) reached from WGS84 with the seven-parameter
# shift Tormark uses.
osgb=(+proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000 +ellps=airy
      +towgs84=446.448,-125.157,542.06,0.1502,0.247,0.8421,-20.4894 +units=m +no_defs)

. "$here/bench/measure.sh"
# "wall cpu peak" of one run with standard input from a file; the rows go nowhere.
measure_from() {  # input-file command...
    local input=$1
    shift
    MEASURE_OUT=/dev/null measure "$@" < "$input"
}

echo "machine load: $(cut -d' ' -f1-3 /proc/loadavg)"
for n in 200000 1000000; do
    awk -v n="$n" -v typed="$work/typed_$n.txt" -v plain="$work/plain_$n.txt" 'BEGIN {
        srand(16)
        for (i = 0; i < n; i++) {
            lat = 50 + rand() * 8.5; lon = -6.5 + rand() * 8
            printf "%.5fN %.5f%s\n", lat, (lon < 0 ? -lon : lon), (lon < 0 ? "W" : "E") > typed
            printf "%.5f %.5f\n", lon, lat > plain
        }
    }'
    read -r tw tc tm <<<"$(best_of "$runs" measure_from "$work/typed_$n.txt" "$tool" --resolve)"
    lines=$("$tool" --resolve < "$work/typed_$n.txt" | wc -l)
    printf 'Tormark --resolve, %7d lines: %.3f s wall, %.3f s cpu, %d MB peak (%d rows)\n' \
        "$n" "$tw" "$tc" $((tm / 1024)) $((lines - 1))
    if command -v cs2cs > /dev/null; then
        read -r cw cc cm <<<"$(best_of "$runs" measure_from "$work/plain_$n.txt" cs2cs +proj=longlat +datum=WGS84 \
            +to "${osgb[@]}" -f %.3f)"
        printf 'cs2cs,             %7d lines: %.3f s wall, %.3f s cpu, %d MB peak\n' \
            "$n" "$cw" "$cc" $((cm / 1024))
        printf 'Tormark / cs2cs = %.2f wall, %.2f cpu (target at most 0.5)\n' \
            "$(echo "$tw / $cw" | bc -l)" "$(echo "$tc / $cc" | bc -l)"
    else
        echo "cs2cs is not installed (Debian package proj-bin): no comparison made"
    fi
done
