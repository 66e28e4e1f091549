#!/usr/bin/env bash
# Installs the build BUILD_DIR into a temporary prefix and checks what a user gets: the programs
# run from another folder, every man page is compressed, has its sections and reads with man
# (one paragraph per example), the licence and changelog are in the package's documents, the
# desktop entry and icon are there (desktop-file-validate checks the entry when it is
# installed), Tormark finds the installed sample database, and, with the real data folder
# DATA_DIR, terrainplot draws.
#   install_test.sh BUILD_DIR [DATA_DIR]
set -euo pipefail
build=$1
data=${2:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$tmp/install.log"
cd "$tmp"   # neither the source nor the build folder

for program in Tormark terrainplot terrain3d visplot horizon pathprofile benchfind; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program missing"
  version=$("$prefix/bin/$program" --version) || fail "$program --version"
  [[ $version == "$program (Tormark suite) "* ]] || fail "$program --version printed: $version"
  page=$prefix/share/man/man1/$program.1.gz
  [ -f "$page" ] || fail "man page of $program missing"
  zcat "$page" > "$tmp/$program.1" || fail "$page is not gzipped"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" EXAMPLES; do
    grep -q "^\.SH \"\?$section\"\?\$" "$tmp/$program.1" || fail "$program.1 has no $section section"
  done
  if command -v man > /dev/null; then
    MANWIDTH=80 man -l "$page" 2> /dev/null > "$tmp/$program.txt" || fail "man -l $page"
    grep -q -- "--version" "$tmp/$program.txt" || fail "man -l $page shows no --version"
    # One paragraph per example of --help (an example goes on after a "" at a line's end).
    examples=$("$prefix/bin/$program" --help |
               awk 'found && NF && !/\\$/ { n++ } /^Examples:$/ { found = 1 } END { print n + 0 }')
    paragraphs=$(awk '/^EXAMPLES$/ { inside = 1; next } inside && /^[^ ]/ { inside = 0 }
                      inside && NF && !text { n++ } inside { text = NF > 0 } END { print n + 0 }' \
                 "$tmp/$program.txt")
    [ "$examples" -gt 0 ] && [ "$paragraphs" -eq "$examples" ] ||
      fail "man -l $page: $paragraphs paragraphs under EXAMPLES for $examples examples"
  fi
done

# The package's documents: the licence in machine-readable form and the compressed changelog.
doc=$prefix/share/doc/tormark
grep -q "^License: GPL-3.0-or-later" "$doc/copyright" || fail "copyright file missing or unlicensed"
zcat "$doc/changelog.Debian.gz" > "$tmp/changelog" || fail "changelog.Debian.gz missing"
grep -q "^tormark (" "$tmp/changelog" || fail "changelog.Debian.gz has no entry"

entry=$prefix/share/applications/tormark.desktop
[ -f "$entry" ] || fail "desktop entry missing"
[ -f "$prefix/share/icons/hicolor/scalable/apps/tormark.svg" ] || fail "icon missing"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate refused $entry"
else
  echo "desktop-file-validate not installed: entry not validated"
fi

# A user without a database of their own: Tormark falls back on the installed sample.
[ -f "$prefix/share/tormark/Sites.dat" ] || fail "sample database missing"
resolved=$(HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config \
           "$prefix/bin/Tormark" --resolve "Scafell Pike")
grep -q "NY 21.*Summit, 978m\|Scafell Pike	.*NY" <<< "$resolved" || fail "Tormark --resolve: $resolved"

if [ -n "$data" ] && [ -d "$data/srtm3" ]; then
  mkdir run && cd run
  "$prefix/bin/terrainplot" --heights "$data/srtm3" --sites "$data/sites" --window 200 \
      --width 20 --max 0 --png map.png "Scafell Pike" > console.txt \
      || fail "installed terrainplot run"
  [ -s map.png ] || fail "installed terrainplot drew nothing"
  [ -f Brelland.INI ] || fail "installed terrainplot wrote no configuration"
else
  echo "no real data folder: the installed terrainplot run is skipped"
fi
echo "install into a temporary prefix: all checks passed"
