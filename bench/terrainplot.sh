#!/usr/bin/env bash
# Times terrainplot drawing the largest plot its area grid allows, headless, on generated tiles.
#
# Usage: bench/terrainplot.sh [BUILD_DIR]     (default: build; the program must be built)
#
# Generates 40 tiles (latitudes 51-55 N, longitudes 6 W - 2 E, a smooth synthetic relief) in a
# temporary folder, finds the widest plot round 53.52 N 1.96 W (locator IO93AM) that the area
# grid still takes (8 tiles east-west, 5 north-south), and runs
#   terrainplot --png FILE
# on it with scripted answers, reporting wall time and peak memory from /usr/bin/time -v.
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

# One tile: 1201 x 1201 big-endian 16-bit heights, rows from the north; ridges of a few hundred
# metres whose pattern shifts from tile to tile.
make_tile() {  # lat lon file
    perl -e '
        my ($lat, $lon, $file) = @ARGV;
        open(my $f, ">:raw", $file) or die "$file: $!";
        for my $r (0 .. 1200) {
            my $y = $lat + (1200 - $r) / 1200;
            my @row;
            for my $c (0 .. 1200) {
                my $x = $lon + $c / 1200;
                my $h = 300 + 250 * sin($x * 7.1) * cos($y * 9.3) + 120 * sin(($x + $y) * 23);
                push @row, int($h);
            }
            print $f pack("n*", map { $_ & 0xFFFF } @row);
        }
        close($f) or die;' "$@"
}
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
/usr/bin/time -v "$tool" --png "$work/plot.png" < "$work/answers" > "$work/out.txt" 2> "$work/time.txt"
grep -E '^(Max height|Loading)' "$work/out.txt" || true
echo "tiles loaded: $(grep -c '\.hgt' "$work/out.txt")"
identify "$work/plot.png" 2>/dev/null || ls -l "$work/plot.png"
grep -E 'Elapsed \(wall clock\)|Maximum resident set size|User time|System time' "$work/time.txt"
