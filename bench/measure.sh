# Timing helpers shared by the bench scripts (sourced; the script sets $work, its temporary
# folder).
#
#   measure COMMAND...     runs COMMAND under /usr/bin/time -v (standard input as given, standard
#                          output to $MEASURE_OUT, default $work/measure.out) and prints
#                          "seconds-wall seconds-cpu peak-kB"
#   best_of N COMMAND...   runs COMMAND (which prints such a line) N times and prints the line of
#                          the lowest wall time
#   make_tile LAT LON FILE writes a generated .hgt tile (south-west corner LAT, LON) to FILE

measure() {
    /usr/bin/time -v "$@" > "${MEASURE_OUT:-$work/measure.out}" 2> "$work/time.txt"
    awk -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, p, ":"); w = 0
                                   for (i = 1; i <= n; i++) w = w * 60 + p[i] }
        /User time/ { u = $2 } /System time/ { s = $2 }
        /Maximum resident set size/ { m = $2 }
        END { printf "%.3f %.3f %d\n", w, u + s, m }' "$work/time.txt"
}

best_of() {
    local runs=$1 best="" line
    shift
    for _ in $(seq 1 "$runs"); do
        line=$("$@")
        if [ -z "$best" ] || (($(echo "${line%% *} < ${best%% *}" | bc -l))); then best=$line; fi
    done
    echo "$best"
}

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
