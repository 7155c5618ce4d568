#!/usr/bin/env bash
# Prints the figures we track: settings load and save (native, Google Benchmark), and under
# Wine on a virtual display the launcher's start-up against a bare window, peak working set,
# exe size, page turn, key press to shell call and to a browser's DDE request, a drop to its
# button painted, how often clearing a page saves the settings file, the slot menu and the
# pickers opening and a browser button of the home-page dialog.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARVOK_ROOT"

"$TARVOK_ROOT/scripts/setup.sh"
cmake --preset native >/dev/null
cmake --build --preset native --target settings_bench
build/native/bench/settings_bench --benchmark_min_time=0.2

cmake --preset windows >/dev/null
cmake --build --preset windows --target windows_bench
tarvok_wine_env
trap tarvok_stop_all EXIT
TARVOK_FORCE_XVFB=1 tarvok_start_display
tarvok_start_wineserver
"$TARVOK_WINE" build/windows/bin/windows_bench.exe

# The portable package (cpack first builds whatever is missing).
(cd build/windows && cpack -B "$TARVOK_WIN_BUILD/bench-package" >/dev/null)
for f in "$TARVOK_WIN_BUILD"/bench-package/*.zip; do
    echo "package $(basename "$f"):               $(($(stat -c %s "$f") / 1024)) KiB"
done
