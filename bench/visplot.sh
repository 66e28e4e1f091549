#!/usr/bin/env bash
# Times whole visplot runs (headless, --png) on generated tiles round Scafell Pike with a 10 m
# mast and K 1.3: at a radius of 80 km and at the largest radius the area grid allows there.
# When gdal-bin is installed, the GDAL pipeline a user would run for the same view (gdalbuildvrt
# of the tiles, gdalwarp to the National Grid at 50 m, gdal_viewshed with -cc 1/K) runs on the
# same tiles, centre, mast and radius, and the ratios of wall time, CPU time and peak memory
# (/usr/bin/time -v) are printed. Each figure is the best of 3 runs.
#
#   bench/visplot.sh [build-folder]        (default: build)
#
# With BENCH_KEEP_PNGS=folder the plots are kept there (plot_<radius>.png), so that two builds
# can be compared byte for byte.
#
# The sweep and drawing alone (without start-up and tile loading) are timed by
# bench/visplot/visplot_bench.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
visplot=$build/tools/visplot/visplot
[[ -x $visplot ]] || { echo "no visplot in $build/tools/visplot (build it first)" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is needed (Debian package: time)" >&2; exit 1; }
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

. "$root/bench/measure.sh"

# The largest accepted radius: a refused radius is asked again, and with the input at its end
# the run stops at once with "Radius too large".
largest=0
for ((r = 300; r > 0; --r)); do
    (cd "$work" && printf 'NY2154 0722\n10\n1.3\n%s\n' "$r" |
        "$visplot" --png "$work/probe.png" >"$work/probe.txt" 2>&1) || true
    if ! grep -q "Radius too large" "$work/probe.txt"; then largest=$r; break; fi
done

# The GDAL pipeline for the same view: the tiles as one virtual raster, warped to the National
# Grid at 50 m over the square round the centre, then gdal_viewshed from the mast top with the
# curvature coefficient 1/K (the effective earth radius K R). Prints "wall cpu peak-kB
# viewshed-peak-kB": the sums of the three commands' times, the largest of their peaks and the
# peak of gdal_viewshed alone.
have_gdal=false
if command -v gdal_viewshed >/dev/null && command -v gdalwarp >/dev/null &&
    command -v gdalbuildvrt >/dev/null; then have_gdal=true; fi
# Scafell Pike (NY 21540 07220) in metres on the National Grid.
centreE=321540
centreN=507220
gdal_pipeline() {  # radius-km
    local m=$(($1 * 1000)) t w=0 c=0 peak=0
    for step in vrt warp viewshed; do
        rm -f "$work/area_$1.tif" "$work/viewshed_$1.tif"
        case $step in
            vrt) t=$(measure gdalbuildvrt -q "$work/area.vrt" "$work"/tiles/*.hgt) ;;
            warp) t=$(measure gdalwarp -q -t_srs EPSG:27700 -tr 50 50 -r bilinear \
                -te $((centreE - m)) $((centreN - m)) $((centreE + m)) $((centreN + m)) \
                "$work/area.vrt" "$work/area_$1.tif") ;;
            viewshed) t=$(measure gdal_viewshed -q -ox $centreE -oy $centreN -oz 10 -md $m \
                -cc "$(echo "1 / 1.3" | bc -l)" "$work/area_$1.tif" "$work/viewshed_$1.tif") ;;
        esac
        read -r sw sc sp <<<"$t"
        w=$(echo "$w + $sw" | bc -l)
        c=$(echo "$c + $sc" | bc -l)
        if ((sp > peak)); then peak=$sp; fi
    done
    echo "$w $c $peak $sp"
}

visplot_run() {  # radius-km
    (cd "$work" && printf 'NY2154 0722\n10\n1.3\n%s\n' "$1" |
        measure "$visplot" --png "$work/plot_$1.png")
}

echo "machine load: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
for r in 80 "$largest"; do
    read -r vw vc vp <<<"$(best_of 3 visplot_run "$r")"
    if [[ -n ${BENCH_KEEP_PNGS:-} ]]; then cp "$work/plot_$r.png" "$BENCH_KEEP_PNGS/"; fi
    printf 'visplot --png, radius %3s km: %.3f s wall, %.3f s cpu, %d MB peak (best of 3; start-up, tiles, sweep, PNG)\n' \
        "$r" "$vw" "$vc" $((vp / 1024))
    if $have_gdal; then
        read -r gw gc gp gv <<<"$(best_of 3 gdal_pipeline "$r")"
        printf 'GDAL pipeline, radius %3s km: %.3f s wall, %.3f s cpu, %d MB peak, gdal_viewshed %d MB (gdalbuildvrt + gdalwarp 50 m + gdal_viewshed)\n' \
            "$r" "$gw" "$gc" $((gp / 1024)) $((gv / 1024))
        printf 'visplot / GDAL, radius %3s km: %.2f wall, %.2f cpu; peak memory %.2f of the pipeline, %.2f of gdal_viewshed\n' \
            "$r" "$(echo "$vw / $gw" | bc -l)" "$(echo "$vc / $gc" | bc -l)" \
            "$(echo "$vp / $gp" | bc -l)" "$(echo "$vp / $gv" | bc -l)"
    fi
done
$have_gdal || echo "gdal_viewshed is not installed (Debian package gdal-bin): no comparison made"
