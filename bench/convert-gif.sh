#!/usr/bin/env bash
# Converting large JPEGs to 8-bit GIF: the Convert command's walk against
# ImageMagick's `convert in.jpg -colors 256 out.gif`, one process per file,
# on the same files in the same run.
# Usage: bench/convert-gif.sh [build-folder] [files] [width]x[height]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-100}
size=${3:-3000x2000}
command -v convert >/dev/null || { echo "needs convert (apt-get install imagemagick)"; exit 1; }
cmake --build "$build" --target pxconvertgif >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in" "$work/ours" "$work/magick"

# A photo-like picture (gradient, noise, blur), hard-linked count times:
# every file is decoded anew, but the folder costs one file's disk space.
convert -size "$size" gradient:'#c04020'-'#2040c0' -attenuate 0.4 +noise Gaussian -blur 0x1 \
  -quality 90 "$work/in/p000.jpg"
for i in $(seq 1 $((count - 1))); do ln "$work/in/p000.jpg" "$work/in/p$(printf %03d "$i").jpg"; done
echo "files: $count x $size JPEG, $(stat -c %s "$work/in/p000.jpg") bytes each"

start=$(date +%s%N)
for file in "$work"/in/*.jpg; do
  name=$(basename "$file" .jpg)
  convert "$file" -colors 256 "$work/magick/$name.gif"
done
magick_s=$(awk -v ns=$(( $(date +%s%N) - start )) 'BEGIN { printf "%.2f", ns / 1e9 }')
echo "ImageMagick convert -colors 256: $magick_s s"

ours_s=$("$build/bench/pxconvertgif" "$work/in" "$work/ours")
echo "pixmoor Convert (Gif, 256 Color): $ours_s s"
[ "$(ls "$work/ours" | wc -l)" -eq "$count" ] || { echo "FAIL: not every file was converted"; exit 1; }
identify -format '%wx%h %[colors] colours\n' "$work/ours/p000.gif" | sed 's/^/  ours: /'
identify -format '%wx%h %[colors] colours\n' "$work/magick/p000.gif" | sed 's/^/  ImageMagick: /'
awk -v a="$ours_s" -v b="$magick_s" 'BEGIN {
  r = a / b; printf "ratio: %.2f (limit 1.00) %s\n", r, (r <= 1.0 ? "PASS" : "FAIL"); exit (r <= 1.0 ? 0 : 1) }'
