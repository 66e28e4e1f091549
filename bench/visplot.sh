#!/usr/bin/env bash
# Times whole visplot runs (headless, --png) on generated tiles round Scafell Pike with a 10 m
# mast and K 1.3: at a radius of 80 km and at the largest radius the area grid allows there.
# When gdal_viewshed (Debian's gdal-bin) is installed, it computes the viewshed of the same
# centre, mast and radius on the same tiles and the ratio of the two times is printed.
#
#   bench/visplot.sh [build-folder]        (default: build)
#
# The sweep and drawing alone (without start-up and tile loading) are timed by
# bench/visplot/visplot_bench.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
visplot=$build/tools/visplot/visplot
[[ -x $visplot ]] || { echo "no visplot in $build/tools/visplot (build it first)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "python3 is needed to generate the tiles" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tiles" "$work/sites"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"

# Rolling hills up to 900 m, periodic over a tile so that neighbouring tiles join; the same tile
# under every name the largest radius needs (7 W ... 0 E, 52 ... 56 N).
python3 - "$work/tiles" <<'PY'
import math, struct, sys, shutil, os
out = sys.argv[1]
col = [250 * math.sin(2 * math.pi * c / 100) for c in range(1201)]
rows = []
for r in range(1201):
    base = 450 + 200 * math.cos(2 * math.pi * r / 75)
    rows.append(struct.pack('>1201h', *[int(round(base + v)) for v in col]))
first = os.path.join(out, 'N54W004.hgt')
with open(first, 'wb') as f:
    f.write(b''.join(rows))
for lat in range(52, 57):
    for lon in range(-7, 1):
        name = 'N%02d%s%03d.hgt' % (lat, 'W' if lon < 0 else 'E', abs(lon))
        if name != 'N54W004.hgt':
            shutil.copyfile(first, os.path.join(out, name))
PY
printf 'Scafell Pike~NY2154 0722\r\n' > "$work/sites/SITES.DAT"
printf '%s\r\n%s\r\n600\r\n' "$work/tiles/" "$work/sites/" > "$work/Corvanne.ini"

# "wall cpu" seconds of one headless run answering the radius $1 (cpu = user + system, which
# tells more than the wall time on a busy machine).
run() {
    local TIMEFORMAT='%R %U %S' t
    t=$( { time (cd "$work" && printf 'NY2154 0722\n10\n1.3\n%s\n' "$1" |
        "$visplot" --png "$work/plot_$1.png" >"$work/out_$1.txt" 2>&1); } 2>&1)
    read -r wall user sys <<<"$t"
    echo "$wall $(echo "$user + $sys" | bc -l)"
}

# The largest accepted radius: a refused radius is asked again, and with the input at its end
# the run stops at once with "Radius too large".
largest=0
for ((r = 300; r > 0; --r)); do
    (cd "$work" && printf 'NY2154 0722\n10\n1.3\n%s\n' "$r" |
        "$visplot" --png "$work/probe.png" >"$work/probe.txt" 2>&1) || true
    if ! grep -q "Radius too large" "$work/probe.txt"; then largest=$r; break; fi
done

echo "machine load: $(cut -d' ' -f1-3 /proc/loadavg)"
for r in 80 "$largest"; do
    best=""
    bestCpu=""
    for _ in 1 2 3; do
        read -r t c <<<"$(run "$r")"
        if [[ -z $best ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
        if [[ -z $bestCpu ]] || (( $(echo "$c < $bestCpu" | bc -l) )); then bestCpu=$c; fi
    done
    printf 'visplot --png, radius %3s km: %.3f s wall, %.3f s cpu (best of 3; whole run: start-up, tiles, sweep, PNG)\n' \
        "$r" "$best" "$bestCpu"
    eval "visplot_$r=$best"
done

if command -v gdal_viewshed >/dev/null && command -v gdalbuildvrt >/dev/null; then
    gdalbuildvrt -q "$work/area.vrt" "$work"/tiles/*.hgt
    # The centre in the tiles' WGS84 degrees; the maximum distance in the raster's units is
    # taken from the radius along the meridian (1 degree = 111.2 km).
    for r in 80 "$largest"; do
        start=$(date +%s.%N)
        gdal_viewshed -q -ox -3.2117 -oy 54.4543 -oz 10 -md "$(echo "$r / 111.2" | bc -l)" \
            -cc "$(echo "1 - 1 / 1.3" | bc -l)" "$work/area.vrt" "$work/viewshed_$r.tif"
        end=$(date +%s.%N)
        g=$(echo "$end - $start" | bc -l)
        v=$(eval echo "\$visplot_$r")
        printf 'gdal_viewshed, radius %3s km: %.3f s; visplot / gdal_viewshed = %.2f\n' "$r" "$g" \
            "$(echo "$v / $g" | bc -l)"
    done
else
    echo "gdal_viewshed is not installed (Debian package gdal-bin): no comparison made"
fi
