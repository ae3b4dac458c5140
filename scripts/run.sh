#!/usr/bin/env bash
# Builds ntver.exe and runs it under Wine, passing the arguments on.
# Usage: scripts/run.sh [/V | /OS | /SP | ...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null
# No Mono or Gecko installers when Wine creates its prefix on the first run.
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
exec wine build/win32/ntver.exe "$@"
