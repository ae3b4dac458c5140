#!/usr/bin/env bash
# Builds both presets and runs every test: unit tests on the host (with AddressSanitizer and
# UndefinedBehaviorSanitizer), then ntver.exe end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)
for preset in host win32; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
