#!/usr/bin/env bash
# Thumbnail speed per format, side by side with two other thumbnailers on the
# same files in the same run: vipsthumbnail (one thread) and GraphicsMagick.
# Usage: bench/list-bench.sh [build-folder] [files-per-format]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-100}
for tool in vipsthumbnail gm convert; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install libvips-tools graphicsmagick imagemagick)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One 12-megapixel photo-like picture per format, hard-linked count times:
# every file is decoded anew, but the folder costs one file's disk space.
convert -size 4000x3000 gradient:'#c04020'-'#2040c0' -attenuate 0.4 +noise Gaussian \
  -blur 0x1 -depth 8 "$work/master.ppm"
for ext in jpg png tif bmp gif; do
  mkdir -p "$work/$ext"
  case $ext in
    jpg) convert "$work/master.ppm" -quality 90 "$work/$ext/master.$ext" ;;
    tif) convert "$work/master.ppm" -compress none "$work/$ext/master.$ext" ;;
    gif) convert "$work/master.ppm" -colors 256 "$work/$ext/master.$ext" ;;
    *)   convert "$work/master.ppm" "$work/$ext/master.$ext" ;;
  esac
  for i in $(seq 1 $((count - 1))); do ln "$work/$ext/master.$ext" "$work/$ext/p$i.$ext"; done
done

# files per second from a count and a start time in nanoseconds
rate() { python3 -c "print(f'{$1 / (($(date +%s%N) - $2) / 1e9):.1f}')"; }
# A peer's rate, or "failed" when it did not write a thumbnail for every file.
checked() { [ "$(ls "$2" | wc -l)" -ge "$count" ] && echo "$1" || echo "failed"; }
printf "%-5s %12s %14s %12s %10s\n" format pixmoor vipsthumbnail "gm mogrify" "peak MB"
for ext in jpg png tif bmp gif; do
  line=$("$build/bench/pxbench" "$work/$ext" --type "$ext" 2>/dev/null | tail -1)
  ours=$(echo "$line" | sed -E 's/.* ([0-9.]+) files\/s.*/\1/')
  peak=$(echo "$line" | sed -E 's/.*peak ([0-9]+) MB/\1/')
  rm -rf "$work/vips" "$work/gm"
  mkdir -p "$work/vips" "$work/gm"
  start=$(date +%s%N)
  VIPS_CONCURRENCY=1 vipsthumbnail "$work/$ext"/*."$ext" --size 70x70 -o "$work/vips/%s.png" >/dev/null 2>&1 || true
  vips=$(checked "$(rate "$count" "$start")" "$work/vips")
  # gm puts each output under -output-directory by the input's path as given:
  # pass bare names from inside the folder.
  start=$(date +%s%N)
  (cd "$work/$ext" && gm mogrify -output-directory "$work/gm" -thumbnail 70x70 *."$ext" >/dev/null 2>&1) || true
  gm=$(checked "$(rate "$count" "$start")" "$work/gm")
  printf "%-5s %12s %14s %12s %10s\n" "$ext" "$ours" "$vips" "$gm" "$peak"
done
