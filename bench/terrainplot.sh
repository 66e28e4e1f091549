#!/usr/bin/env bash
# Times terrainplot drawing the largest plot its area grid allows, headless, on generated tiles.
#
# Usage: bench/terrainplot.sh [BUILD_DIR]     (default: build; the program must be built)
#
# Generates 40 tiles (latitudes 51-55 N, longitudes 6 W - 2 E, a smooth synthetic relief) in a
# temporary folder, finds the widest plot round 53.52 N 1.96 W (locator IO93AM) that the area
# grid still takes (8 tiles east-west, 5 north-south), and runs
#   terrainplot --png FILE
# on it with scripted answers, reporting wall time, CPU time and peak memory from /usr/bin/time -v
# (best of 3 runs). When gdal-bin is installed, GDAL colours the same window at full resolution
# (gdal_translate -projwin and gdaldem color-relief) and the ratios are printed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
tool=$build/tools/terrainplot/terrainplot
[ -x "$tool" ] || { echo "no $tool: build it first (cmake --build $build --target terrainplot)"; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (Debian package: time)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sites" "$work/run"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"

. "$here/bench/measure.sh"
# BENCH_TILES=DIR keeps the generated tiles in DIR (and reuses them on the next run).
tiles=${BENCH_TILES:-$work/tiles}
mkdir -p "$tiles"
echo "generating 40 tiles in $tiles ..."
for lat in 51 52 53 54 55; do
    for lon in -6 -5 -4 -3 -2 -1 0 1; do
        if [ "$lon" -lt 0 ]; then name=$(printf 'N%02dW%03d.hgt' "$lat" $((-lon))); else name=$(printf 'N%02dE%03d.hgt' "$lat" "$lon"); fi
        [ -s "$tiles/$name" ] || make_tile "$lat" "$lon" "$tiles/$name" &
    done
    wait
done
printf 'Bench Centre~IO93AM\r\nENDENDEND\r\n' > "$work/sites/SITES.DAT"
printf '%s/\r\n%s/\r\n600\r\n\r\n' "$tiles" "$work/sites" > "$work/run/Brelland.ini"

# The widest accepted plot: an area beyond the grid is refused before anything is loaded.
cd "$work/run"
width=
for w in $(seq 700 -5 300); do
    out=$(printf 'IO93AM\n%s\n0\n' "$w" | timeout 60 "$tool" --png "$work/probe.png" 2>&1 || true)
    if grep -q 'Max height' <<<"$out"; then width=$w; break; fi
done
[ -n "$width" ] || { echo "no accepted width found"; exit 1; }
echo "largest accepted width: $width km"

printf 'IO93AM\n%s\n0\n' "$width" > "$work/answers"

terrainplot_run() { measure "$tool" --png "$work/plot.png" < "$work/answers"; }

echo "machine load: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
read -r tw tc tp <<<"$(best_of 3 terrainplot_run)"
cp "$work/measure.out" "$work/out.txt"
grep -E '^(Max height|Loading)' "$work/out.txt" || true
echo "tiles loaded: $(grep -c '\.hgt' "$work/out.txt")"
identify "$work/plot.png" 2>/dev/null || ls -l "$work/plot.png"
printf 'terrainplot --png, %s km: %.3f s wall, %.3f s cpu, %d MB peak (best of 3)\n' "$width" \
    "$tw" "$tc" $((tp / 1024))

# GDAL colouring the same window at full resolution: the tiles as one virtual raster, the plot
# rectangle cut out with gdal_translate -projwin, then gdaldem color-relief. The rectangle is
# terrainplot's: width / 1.4 north-south round the locator's centre, 1.4 times that east-west.
if command -v gdaldem >/dev/null && command -v gdal_translate >/dev/null &&
    command -v gdalbuildvrt >/dev/null; then
    read -r west north east south <<<"$(awk -v w="$width" 'BEGIN {
        lat0 = 53.5 + 1.25 / 60; lon0 = -2 + 2.5 / 60          # the centre of IO93AM
        ns = w / 1.4; hh = ns / 111.2 / 2; hw = (1.4 * ns / 111.2 / 2) / cos(lat0 * 3.14159265358979 / 180)
        printf "%.6f %.6f %.6f %.6f\n", lon0 - hw, lat0 + hh, lon0 + hw, lat0 - hh }')"
    printf '0 0 0 160\n300 40 160 40\n600 200 180 60\n900 255 255 255\nnv 0 0 0\n' > "$work/colours.txt"
    gdal_run() {
        local w=0 c=0 peak=0 t sw sc sp
        rm -f "$work/window.tif" "$work/relief.tif"
        for step in vrt translate relief; do
            case $step in
                vrt) t=$(measure gdalbuildvrt -q "$work/tiles.vrt" "$tiles"/*.hgt) ;;
                translate) t=$(measure gdal_translate -q -projwin "$west" "$north" "$east" "$south" \
                    "$work/tiles.vrt" "$work/window.tif") ;;
                relief) t=$(measure gdaldem color-relief -q "$work/window.tif" \
                    "$work/colours.txt" "$work/relief.tif") ;;
            esac
            read -r sw sc sp <<<"$t"
            w=$(echo "$w + $sw" | bc -l)
            c=$(echo "$c + $sc" | bc -l)
            if ((sp > peak)); then peak=$sp; fi
        done
        echo "$w $c $peak"
    }
    read -r gw gc gp <<<"$(best_of 3 gdal_run)"
    printf 'GDAL (gdalbuildvrt + gdal_translate -projwin + gdaldem color-relief): %.3f s wall, %.3f s cpu, %d MB peak\n' \
        "$gw" "$gc" $((gp / 1024))
    printf 'terrainplot / GDAL = %.2f wall, %.2f cpu (target at most 0.5); terrainplot peak %d MB (target at most 150)\n' \
        "$(echo "$tw / $gw" | bc -l)" "$(echo "$tc / $gc" | bc -l)" $((tp / 1024))
else
    echo "gdaldem is not installed (Debian package gdal-bin): no comparison made"
fi
