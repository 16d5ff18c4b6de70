#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures and ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen
for b in build/bench/bench_load_test build/bench/bench_results_browser build/bench/bench_classroom; do
  echo "== $(basename "$b")"
  "$b" 2>/dev/null
done
