#!/usr/bin/env bash
# Times every effect and filter of the editor on a 6000 x 4000 picture next to
# the nearest ImageMagick operation, in the same run, and prints the ratios.
# Usage: bench/compare_imagemagick.sh [BUILD_DIR]   (needs imagemagick installed)
set -euo pipefail
build="${1:-build}"
command -v convert >/dev/null || { echo "ImageMagick's convert is not installed"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ours="$work/ours.csv"
"$build/bench/bench" --benchmark_filter='BM_Effect/' --benchmark_format=csv 2>/dev/null | grep '^"BM_Effect' >"$ours"
ms_ours() { grep "\"BM_Effect/$1/" "$ours" | cut -d, -f3; }

convert -size 6000x4000 gradient:navy-orange -attenuate 0.3 +noise Uniform "$work/photo.mpc"
now() { date +%s%N; }
im() {  # ImageMagick operation in milliseconds, reading the picture excluded
  local t0 t1 t2
  t0=$(now); convert "$work/photo.mpc" null:; t1=$(now)
  convert "$work/photo.mpc" "$@" null:; t2=$(now)
  echo $(( (t2 - t1 - (t1 - t0)) / 1000000 ))
}

printf '%-10s %10s   %-34s %10s %8s\n' effect "ours ms" "ImageMagick" "IM ms" "IM/ours"
row() {
  local name="$1"; shift
  local a b
  a=$(ms_ours "$name"); b=$(im "$@")
  printf '%-10s %10.1f   %-34s %10d %8.2f\n' "$name" "$a" "$*" "$b" "$(echo "$b / $a" | bc -l)"
}
row invert -negate
row post -posterize 8
row blur -blur 0x2
row sharpen -sharpen 0x1
row color -attenuate 0.2 +noise Uniform
row grey -colorspace Gray
row emboss -emboss 1
row mosa -scale 1.66% -scale 6000x4000!
row spray -spread 10
row wave -wave 20x80
row brighten -brightness-contrast 20x0
row contrast -brightness-contrast 0x30
row mod -sepia-tone 80%
row balance -channel R -evaluate add 8% +channel
