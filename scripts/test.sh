#!/usr/bin/env bash
# The whole check, from a fresh Debian machine: set-up, native build and unit tests, a
# bounded fuzz run, the Windows build and its tests under Wine on a virtual display.
# Starts what it needs and stops it again, pass or fail.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARVOK_ROOT"

"$TARVOK_ROOT/scripts/setup.sh"

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== fuzzing the settings loader (${TARVOK_FUZZ_SECONDS:-30} s)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
./build/fuzz/tests/fuzz/ini_fuzz -max_total_time="${TARVOK_FUZZ_SECONDS:-30}" \
    -print_final_stats=0 build/fuzz/corpus tests/fuzz/seeds 2>build/fuzz/last-run.log ||
    { tail -40 build/fuzz/last-run.log; exit 1; }
grep -E '^Done [0-9]+ runs' build/fuzz/last-run.log || true

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
tarvok_wine_env
trap tarvok_stop_all EXIT
TARVOK_FORCE_XVFB=1 tarvok_start_display
tarvok_start_wineserver
ctest --preset windows
