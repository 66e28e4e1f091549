#!/usr/bin/env bash
# Times benchfind searching a generated archive of 1,000,000 lines with a 5 km limit.
#
# Usage: bench/benchfind.sh [BUILD_DIR] [RUNS]   (default: build, 3 runs; benchfind must be built)
#
# Generates "CompleteTrigArchive.csv" (CR LF lines of 17 fields, about 130 bytes each, points
# spread evenly over the grid, a third of them pillars and a tenth destroyed) in a temporary
# folder, then runs benchfind there with base NY 3000 2000 and the default answers (5 km,
# destroyed left out, all types), console output to /dev/null. Reports the wall and CPU time of
# each run and the number of points listed. The target is under 1.5 s per run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-3}
case $build in /*) ;; *) build=$PWD/$build ;; esac
tool=$build/tools/benchfind/benchfind
[ -x "$tool" ] || { echo "no $tool: build it first (cmake --build $build --target benchfind)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

lines=1000000
echo "generating $lines archive lines in $work ..."
awk -v n="$lines" 'BEGIN {
    srand(42)
    split("Pillar,Flush Bracket,Bolt,Rivet,Cut,Surface Block", types, ",")
    for (i = 1; i <= n; i++) {
        e = int(rand() * 700000); nn = int(rand() * 1250000); h = int(rand() * 1000) / 10
        t = (i % 3 == 0) ? "Pillar" : types[2 + i % 5]
        s = (i % 10 == 0) ? "3 Destroyed" : "1 Good condition"
        printf "Generated mark %d,TP%07d,XX%05d %05d,%d,%d,%.1f,County %d,%s,FB%d,S%d,%d,%d,%d,%d,%s,Note %d\r\n",
            i, i, e % 100000, nn % 100000, e, nn, h, i % 90, t, i % 977, i % 31, 1930 + i % 60, \
            1950 + i % 50, 2000 + i % 20, i % 7, s, i
    }
}' > "$work/CompleteTrigArchive.csv"
ls -l "$work/CompleteTrigArchive.csv" | awk '{ printf "archive: %d bytes\n", $5 }'

cd "$work"
printf 'NY 3000 2000\n\n\n\n\n' > answers.txt
TIMEFORMAT='%R s wall, %U s user, %S s system'
for r in $(seq 1 "$runs"); do
    t=$( { time "$tool" < answers.txt > /dev/null; } 2>&1 )
    rows=$(( $(wc -l < LocalTrigs.txt) - 4 ))
    echo "run $r: $t, $rows points listed"
done
