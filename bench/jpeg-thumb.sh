#!/usr/bin/env bash
# The 70 x 70 thumbnail decode of a 4000 x 3000 JPEG through the imaging
# library, side by side with `djpeg -scale 1/8` on the same file in one run.
# Both decode the whole file at 1/8 scale; djpeg also writes its PPM output
# (to /dev/null) and starts a process per run, which the library does not.
# Usage: bench/jpeg-thumb.sh [build-folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-30}
command -v djpeg >/dev/null || { echo "needs djpeg (apt-get install libjpeg-turbo-progs)"; exit 1; }
cmake --build "$build" --target pxjpegthumb >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 4000x3000 gradient:'#c04020'-'#2040c0' -attenuate 0.4 +noise Gaussian -blur 0x1 \
  -quality 90 "$work/photo.jpg"
echo "file: 4000x3000, $(stat -c %s "$work/photo.jpg") bytes, $runs runs each"

# djpeg: median wall time per run, from nanosecond clocks around each run.
djpeg -scale 1/8 -outfile /dev/null "$work/photo.jpg"   # warm the cache
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  djpeg -scale 1/8 -outfile /dev/null "$work/photo.jpg"
  times+=($(( $(date +%s%N) - start )))
done
djpeg_ms=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.2f", a[int((NR+1)/2)]/1e6}')
echo "djpeg -scale 1/8: $djpeg_ms ms median"

ours=$("$build/bench/pxjpegthumb" "$work/photo.jpg" "$runs")
echo "pixmoor readImage atLeast 70x70: $ours"
ours_ms=${ours%% ms*}
awk -v a="$ours_ms" -v b="$djpeg_ms" 'BEGIN {
  r = a / b; printf "ratio: %.2f (limit 1.20) %s\n", r, (r <= 1.2 ? "PASS" : "FAIL"); exit (r <= 1.2 ? 0 : 1) }'
