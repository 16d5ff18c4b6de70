#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz/ with clang, under
# AddressSanitizer and UndefinedBehaviorSanitizer, in build-fuzz/, and runs
# them one after another.
#   bash tools/fuzz.sh SECONDS     every harness for SECONDS seconds
#   bash tools/fuzz.sh --runs N    every harness for N inputs (the test
#                                  suite's short run)
# Each run starts from the seeds in tests/fuzz/corpus/<harness>/. Long runs
# keep what they learn in build-fuzz/corpus/<harness>/ for the next one. An
# input that breaks a harness is saved in build-fuzz/findings/ and the script
# stops with the harness's report.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: bash tools/fuzz.sh SECONDS | --runs N" >&2; exit 2; }
limit=()
keep=yes
case "${1:-}" in
  --runs) [[ "${2:-}" =~ ^[0-9]+$ ]] || usage; limit=(-runs="$2"); keep=no ;;
  *) [[ "${1:-}" =~ ^[0-9]+$ ]] || usage; limit=(-max_total_time="$1") ;;
esac

bash tools/setup.sh packages
CC=clang CXX=clang++ nice cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTERRAVIA_BENCH=OFF >/dev/null
nice cmake --build build-fuzz --target fuzzers -j "$(nproc)"

mkdir -p build-fuzz/findings build-fuzz/logs
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
summary=()
for harness in build-fuzz/fuzz/fuzz_*; do
  name=$(basename "$harness")
  seeds=tests/fuzz/corpus/$name
  [ -d "$seeds" ] || seeds=
  if [ "$keep" = yes ]; then
    work=build-fuzz/corpus/$name
    mkdir -p "$work"
  else
    work=$(mktemp -d)
  fi
  log=build-fuzz/logs/$name.log
  echo "== $name"
  if ! nice "$harness" "${limit[@]}" -max_len=8192 -timeout=10 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/findings/"$name"- "$work" $seeds >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$name: FINDING (input saved in build-fuzz/findings/, log in $log)" >&2
    exit 1
  fi
  [ "$keep" = yes ] || rm -rf "$work"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  summary+=("$name: ${runs:-?} runs in ${secs:-?} s, no finding")
done
printf '%s\n' "${summary[@]}"
