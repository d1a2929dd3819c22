#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while from the seed files
# the tests write. A crash or leak fails the script. The mutations start
# from a fixed seed, so runs from a fresh checkout try the same inputs (more
# on a faster machine); PIXMOOR_FUZZ_SEED=0 lets libFuzzer pick a new seed.
# Any single allocation over 256 MB fails the run: at the harnesses' small
# size limits no file may make a reader ask for that much (the bounds each
# reader keeps are in docs/READ-BOUNDS.md).
# Usage: scripts/fuzz.sh [seconds-per-harness, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
seed=${PIXMOOR_FUZZ_SEED:-1}
scripts/install-deps.sh
source scripts/session-env.sh

seeds=$PWD/build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"
# The tests write their sample files as seeds when PIXMOOR_SEED_DIR is set.
scripts/build.sh build
PIXMOOR_SEED_DIR=$seeds ctest --test-dir build --output-on-failure --parallel 2 -LE xvfb > build-fuzz-seeds.log 2>&1 \
  || { cat build-fuzz-seeds.log; exit 1; }
rm -f build-fuzz-seeds.log

CC=clang CXX=clang++ scripts/build.sh build-fuzz -DPIXMOOR_FUZZ=ON -DPIXMOOR_SANITIZE=ON \
  -DPIXMOOR_BUILD_TESTS=OFF -DPIXMOOR_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
status=0
for harness in build-fuzz/fuzz/fuzz_*; do
  [ -f "$harness" ] && [ -x "$harness" ] || continue
  name=$(basename "$harness")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus" "$seeds/$name"
  echo "== $name: $(ls "$seeds/$name" | wc -l) seeds, ${seconds} s"
  if ! "$harness" -seed="$seed" -max_total_time="$seconds" -malloc_limit_mb=256 -rss_limit_mb=1024 -timeout=10 \
       -artifact_prefix="build-fuzz/$name-" "$corpus" "$seeds/$name" > "build-fuzz/$name.log" 2>&1; then
    tail -40 "build-fuzz/$name.log"
    status=1
  else
    grep -E '^(#[0-9]+\s+DONE|Done)' "build-fuzz/$name.log" | tail -1 || true
  fi
done
exit $status
