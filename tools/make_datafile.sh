#!/bin/sh
# Builds the game's data file with Allegro's `dat` tool, sorted by name, and its header.
#
#   make_datafile.sh DAT_TOOL OUT.dat OUT.h NAME:KIND:FILE ...
#
# Every path is absolute. KIND is BMP (grabbed at 32 bits per pixel), SAMP, FONT or DATA.
# Each object is added under the name dat makes from its file name, then renamed to NAME;
# the file is written only when every object went in.
set -eu

dat_tool=$1 out_dat=$2 out_header=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Inside the scratch folder, so the header names the file without a path.
cd "$work"
building=quindle.dat

for entry in "$@"; do
    name=${entry%%:*}
    rest=${entry#*:}
    kind=${rest%%:*}
    file=${rest#*:}
    [ -f "$file" ] || { echo "make_datafile: missing $file" >&2; exit 1; }
    depth=""
    [ "$kind" = BMP ] && depth="-bpp 32"
    # dat names a new object after its file: upper case, the dot as an underscore.
    added=$(basename "$file" | tr 'a-z.' 'A-Z_')
    "$dat_tool" -a -t "$kind" $depth "$building" "$file" >/dev/null
    "$dat_tool" "$building" "$added" "NAME=$name" >/dev/null
done

# Grabber bookkeeping (source paths, dates) goes; the names stay for checking at run time.
"$dat_tool" "$building" -n1 -s1 -h quindle.h >/dev/null
count=$("$dat_tool" -l "$building" | grep -c '^- ')
[ "$count" -eq $# ] || { echo "make_datafile: $count objects for $# entries" >&2; exit 1; }
mv quindle.h "$out_header"
mv "$building" "$out_dat"
