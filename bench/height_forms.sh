#!/usr/bin/env bash
# Times terrainplot on the same tiles in the three forms a heights folder may hold them: .hgt,
# .hgt.zip (read in place through GDAL) and Copernicus-named GeoTIFF (through GDAL), and checks
# that the three runs draw the same PNG and print the same lines.
#
# Usage: bench/height_forms.sh [BUILD_DIR]     (default: build; the program must be built)
#
# Generates the 40 tiles of bench/terrainplot.sh (BENCH_TILES=DIR keeps them), zips each with
# zip -9 -X and copies each to GeoTIFF with gdal_translate (packages zip and gdal-bin), then runs
#   terrainplot --png FILE
# round 53.52 N 1.96 W (IO93AM) at 40 km (2 tiles) and 400 km (24 tiles) on each folder, best
# of 3 runs each, and prints the ratios to the .hgt run (target: at most 1.5).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
tool=$build/tools/terrainplot/terrainplot
[ -x "$tool" ] || { echo "no $tool: build it first (cmake --build $build --target terrainplot)"; exit 1; }
for need in /usr/bin/time zip gdal_translate; do
    command -v "$need" >/dev/null || { echo "$need is needed (Debian packages time, zip, gdal-bin)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sites" "$work/run" "$work/zip" "$work/tif"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"
. "$here/bench/measure.sh"

tiles=${BENCH_TILES:-$work/tiles}
mkdir -p "$tiles"
echo "generating 40 tiles in $tiles, zipped and as GeoTIFF ..."
for lat in 51 52 53 54 55; do
    for lon in -6 -5 -4 -3 -2 -1 0 1; do
        if [ "$lon" -lt 0 ]; then
            name=$(printf 'N%02dW%03d' "$lat" $((-lon)))
            cop=$(printf 'Copernicus_DSM_COG_10_N%02d_00_W%03d_00_DEM.tif' "$lat" $((-lon)))
        else
            name=$(printf 'N%02dE%03d' "$lat" "$lon")
            cop=$(printf 'Copernicus_DSM_COG_10_N%02d_00_E%03d_00_DEM.tif' "$lat" "$lon")
        fi
        (
            [ -s "$tiles/$name.hgt" ] || make_tile "$lat" "$lon" "$tiles/$name.hgt"
            (cd "$tiles" && zip -9 -X -q "$work/zip/$name.hgt.zip" "$name.hgt")
            gdal_translate -q "$tiles/$name.hgt" "$work/tif/$cop"
        ) &
    done
    wait
done
printf 'Bench Centre~IO93AM\r\nENDENDEND\r\n' > "$work/sites/SITES.DAT"
cd "$work/run"

echo "machine load: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
for width in 40 400; do
    printf 'IO93AM\n%s\n0\n' "$width" > "$work/answers"
    for form in hgt zip tif; do
        case $form in hgt) folder=$tiles ;; *) folder=$work/$form ;; esac
        printf '%s/\r\n%s/\r\n600\r\n\r\n' "$folder" "$work/sites" > Brelland.ini
        run() { measure "$tool" --png "$work/$form.png" < "$work/answers"; }
        read -r w c p <<<"$(best_of 3 run)"
        # The folder aside, the three forms print the same lines.
        sed "s|$folder/||g" "$work/measure.out" > "$work/$form.txt"
        eval "wall_$form=$w cpu_$form=$c peak_$form=$p"
        printf '%3s km, %-4s %.3f s wall, %.3f s cpu, %d MB peak (best of 3)\n' "$width" "$form:" \
            "$w" "$c" $((p / 1024))
    done
    for form in zip tif; do
        cmp -s "$work/hgt.png" "$work/$form.png" && png=same || png=DIFFERENT
        cmp -s "$work/hgt.txt" "$work/$form.txt" && txt=same || txt=DIFFERENT
        wall=wall_$form cpu=cpu_$form
        printf '%3s km, %s / hgt = %.2f wall, %.2f cpu (target at most 1.5); PNG %s, console %s\n' \
            "$width" "$form" "$(echo "${!wall} / $wall_hgt" | bc -l)" \
            "$(echo "${!cpu} / $cpu_hgt" | bc -l)" "$png" "$txt"
    done
done
