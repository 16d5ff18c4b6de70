#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (no display needed), three
# times: as released, as a debug build with Qt's own assertions, and under
# AddressSanitizer and UndefinedBehaviorSanitizer; then every reader under
# libFuzzer for a short, fixed number of inputs.
#   bash tools/test.sh            all three and the fuzzing
#   bash tools/test.sh release    only the released build (quicker)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

suite() {
  echo "== test suite: $1"
  (cd "$2" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
}

suite release build
echo "== installed program: read-only install tree, empty home"
bash tools/install_check.sh build
echo "== content pack: every test's files, boxes, masks and pictures at both sizes"
PYTHONDONTWRITEBYTECODE=1 python3 tools/content/verify.py
[ "${1:-all}" = release ] && exit 0

cmake -S . -B build-debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERRAVIA_BENCH=OFF >/dev/null
cmake --build build-debug -j "$(nproc)"
suite "debug, Qt assertions on" build-debug

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERRAVIA_BENCH=OFF -DTERRAVIA_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  suite "AddressSanitizer + UndefinedBehaviorSanitizer" build-asan

echo "== the readers under libFuzzer, 20000 inputs each"
bash tools/fuzz.sh --runs 20000
