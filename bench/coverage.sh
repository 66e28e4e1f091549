#!/usr/bin/env bash
# Times visplot's coverage map on the real tiles round Scafell Pike (144 MHz, 25 W ERP, 10 m mast,
# K 1.3, receiver 1.5 m above the ground): at 80 km (best of 3) beside SPLAT!'s `-L` map of the
# same site, radius, frequency, mast, receive height, K and ERP, and the ratio of the times
# (target: at most 0.05); then at 20, 40, 80, 160 km and the largest radius the area grid allows
# there, to show how the cost grows with the radius; and the peak memory of the largest map
# against visplot's visibility run at the same radius (target: within twice).
#
#   bench/coverage.sh [build-folder]        (default: build)
#
# The tiles are those of the data folder (TORMARK_DATA, by default ../shared/data beside the
# source tree). Without them the script says so and ends with status 0; without SPLAT! (Debian
# package splat, whose srtm2sdf makes its .sdf tiles from the same .hgt files) only our runs are
# timed. SPLAT! takes the ground outside its tiles as sea level, as visplot takes ground without
# height data; it computes its own propagation model (ITWOM 3.0 in 1.4.2), so only the times are
# compared, not the maps. Wall and CPU times and peaks come from /usr/bin/time -v.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
visplot=$build/tools/visplot/visplot
[[ -x $visplot ]] || { echo "no visplot in $build/tools/visplot (build it first)" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is needed (Debian package: time)" >&2; exit 1; }
data=${TORMARK_DATA:-$root/../shared/data}
if ! compgen -G "$data/srtm3/*.hgt" >/dev/null || [[ ! -f $data/sites/Sites.dat ]]; then
    echo "no tiles in $data/srtm3 or no $data/sites/Sites.dat (set TORMARK_DATA): nothing timed"
    exit 0
fi
data=$(cd "$data" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
. "$root/bench/measure.sh"

# Scafell Pike: the summit, 54.4543 N 3.2117 W (971 m).
lat=54.4543
lon=-3.2117
frequency=144
erp=25
mast=10
k=1.3
rx=1.5

run_visplot() {  # radius-km [coverage|visibility]
    local radio=(--freq "$frequency" --erp "$erp" --rx-height "$rx")
    [[ ${2:-coverage} == visibility ]] && radio=()
    (cd "$work" && measure "$visplot" --heights "$data/srtm3" --sites "$data/sites" --window 600 \
        --mast "$mast" --k "$k" --radius "$1" "${radio[@]}" --png "$work/map_$1.png" \
        "$lat $lon" </dev/null)
}

echo "machine load: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
read -r cw cc cp <<<"$(best_of 3 run_visplot 80)"
printf 'visplot coverage, 80 km: %.2f s wall, %.2f s cpu, %d MB peak (best of 3; start-up, tiles, levels, PNG)\n' \
    "$cw" "$cc" $((cp / 1024))

if command -v splat >/dev/null && command -v srtm2sdf >/dev/null; then
    mkdir -p "$work/splat/sdf"
    for tile in "$data"/srtm3/*.hgt; do
        cp "$tile" "$work/splat/sdf/"
        (cd "$work/splat/sdf" && srtm2sdf "$(basename "$tile")" >/dev/null 2>&1)
    done
    # SPLAT!'s site file takes west longitudes as positive; its .lrp holds the ground, climate and
    # radio parameters (the usual defaults, with our frequency and ERP).
    printf 'Scafell Pike\n%s\n%s\n%s m\n' "$lat" "${lon#-}" "$mast" >"$work/splat/site.qth"
    printf '%s\n' '15.000 ; Earth Dielectric Constant (Relative permittivity)' \
        '0.005 ; Earth Conductivity (Siemens per meter)' \
        '301.000 ; Atmospheric Bending Constant (N-units)' \
        "$frequency ; Frequency in MHz (20 MHz to 20 GHz)" \
        '5 ; Radio Climate (5 = Continental Temperate)' \
        '1 ; Polarization (0 = Horizontal, 1 = Vertical)' \
        '0.50 ; Fraction of situations (50% of locations)' \
        '0.50 ; Fraction of time (50% of the time)' \
        "$erp ; ERP in Watts" >"$work/splat/site.lrp"
    splat_run() {
        (cd "$work/splat" && measure splat -t site.qth -L "$rx" -R 80 -metric -m "$k" -dbm \
            -erp "$erp" -N -d sdf -o map.ppm)
    }
    read -r sw sc sp <<<"$(splat_run)"
    printf 'SPLAT! -L,        80 km: %.2f s wall, %.2f s cpu, %d MB peak (one run)\n' \
        "$sw" "$sc" $((sp / 1024))
    printf 'visplot / SPLAT!, 80 km: %.3f of the wall time, %.3f of the CPU time (target at most 0.05)\n' \
        "$(echo "$cw / $sw" | bc -l)" "$(echo "$cc / $sc" | bc -l)"
else
    echo "splat is not installed (Debian package splat): no comparison made"
fi

# The largest accepted radius: a refused one is asked again, and with the input at its end the
# run stops at once with "Radius too large".
largest=0
for ((r = 300; r > 0; --r)); do
    (cd "$work" && "$visplot" --heights "$data/srtm3" --sites "$data/sites" --window 600 \
        --mast "$mast" --k "$k" --radius "$r" --png "$work/probe.png" "$lat $lon" </dev/null \
        >"$work/probe.txt" 2>&1) || true
    if ! grep -q "Radius too large" "$work/probe.txt"; then largest=$r; break; fi
done

echo "radius km, wall s, cpu s, peak MB (one run each)"
for r in 20 40 80 160 "$largest"; do
    read -r w c p <<<"$(run_visplot "$r")"
    printf '%4s %8.2f %8.2f %6d\n' "$r" "$w" "$c" $((p / 1024))
done
read -r vw vc vp <<<"$(run_visplot "$largest" visibility)"
printf 'largest radius %s km: coverage peak %d MB, visibility run %d MB: %.2f of it (target at most 2)\n' \
    "$largest" $((p / 1024)) $((vp / 1024)) "$(echo "$p / $vp" | bc -l)"
