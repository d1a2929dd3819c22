#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/session-env.sh
folder=build
extra=()
filter=()
if [ "${1:-}" = "--sanitize" ]; then
  # The desktop test drives the program with timed key presses; it runs in
  # the plain build, where the program starts in a predictable time.
  filter=(-LE xvfb)
  folder=build-sanitize
  extra=(-DPIXMOOR_SANITIZE=ON -DPIXMOOR_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
scripts/build.sh "$folder" "${extra[@]}"
ctest --test-dir "$folder" --output-on-failure --parallel 2 "${filter[@]}"
