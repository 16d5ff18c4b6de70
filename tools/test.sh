#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
