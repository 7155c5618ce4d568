#!/usr/bin/env bash
# Sets everything up, builds the launcher and starts it under Wine from build/run/, a program
# folder that starts with a sample settings file (a few programs Wine ships, a folder and a
# home page on two pages). With a display the launcher runs until you close it; without one
# it runs on a virtual display, a screenshot is written and its path printed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARVOK_ROOT"

"$TARVOK_ROOT/scripts/setup.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows --target tarvok help_files

run_dir="$TARVOK_ROOT/build/run"
mkdir -p "$run_dir"
cp build/windows/bin/tarvok.exe build/windows/bin/tarvok_00.html "build/windows/bin/お読み下さい.txt" \
    "$run_dir/"
# Only the first start gets the sample: later starts keep what the user changed.
[ -f "$run_dir/tarvok.ini" ] || cp resources/sample/tarvok.ini "$run_dir/"

tarvok_wine_env
trap tarvok_stop_all EXIT
tarvok_start_display
tarvok_start_wineserver

if [ -z "$TARVOK_XVFB_PID" ]; then
    echo "Starting the launcher on $DISPLAY; close its window to end."
    "$TARVOK_WINE" "$run_dir/tarvok.exe"
    exit 0
fi

"$TARVOK_WINE" "$run_dir/tarvok.exe" &
launcher=$!
window=$(tarvok_wait_launcher_window)
sleep 1
shot="$run_dir/screenshot.png"
tarvok_capture_window "$window" "$shot"
echo "The launcher is running on a virtual display; screenshot: $shot"
tarvok_close_launcher
wait "$launcher" || true
