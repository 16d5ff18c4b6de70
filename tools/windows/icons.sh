#!/usr/bin/env bash
# PNG renders of the program's SVG icons, for the Windows build, whose Qt has
# no SVG engine, and the two programs' .ico files.  Usage: icons.sh OUTDIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
OUT="$1"
mkdir -p "$OUT"
for svg in "$ROOT"/src/ui/resources/icons/*.svg "$ROOT"/src/teacher/resources/nauczyciel.svg; do
  png="$OUT/$(basename "${svg%.svg}").png"
  # 64 px: the largest size a window asks of an icon; smaller ones scale down.
  [ "$png" -nt "$svg" ] || rsvg-convert -w 64 -h 64 "$svg" -o "$png"
done
for prog in terravia:src/ui/resources/icons/terravia.svg nauczyciel:src/teacher/resources/nauczyciel.svg; do
  name=${prog%%:*}; svg="$ROOT/${prog#*:}"
  ico="$OUT/$name.ico"
  [ "$ico" -nt "$svg" ] && continue
  sizes=()
  for s in 16 24 32 48 64 256; do
    rsvg-convert -w $s -h $s "$svg" -o "$OUT/$name-$s.png"
    sizes+=("$OUT/$name-$s.png")
  done
  convert "${sizes[@]}" "$ico"
  rm -f "${sizes[@]}"
done
