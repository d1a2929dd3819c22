#!/usr/bin/env bash
# Times a contact sheet of N 12-megapixel JPEGs printed to PDF by pxsheet
# (File > Print Thumb run headless) and reports wall time, peak memory and
# the PDF's size. The photos are copies of one generated picture: each is
# still read and decoded on its own.
# Usage: bench/sheet-bench.sh BUILD_FOLDER [N, default 200]
set -euo pipefail
build=${1:?build folder}
count=${2:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/photos"
convert -size 4000x3000 plasma:fractal -quality 90 "$work/photo.jpg"
for i in $(seq -w 1 "$count"); do cp "$work/photo.jpg" "$work/photos/photo_$i.jpg"; done
/usr/bin/time -f "sheet-bench: %e s, peak %M KB" "$build/pxsheet" "$work/photos" "$work/sheet.pdf" --type jpg
echo "sheet-bench: PDF of $(stat -c %s "$work/sheet.pdf") bytes, $(pdfinfo "$work/sheet.pdf" | awk '/^Pages/ {print $2}') pages"
