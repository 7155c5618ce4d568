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
cmake --build --preset windows --target tarvok

run_dir="$TARVOK_ROOT/build/run"
mkdir -p "$run_dir"
cp build/windows/bin/tarvok.exe "$run_dir/"
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
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name 'ダルメDのペルノ' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the launcher window did not appear" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
shot="$run_dir/screenshot.png"
# The frame Wine draws lies around the client window: take a margin and trim the black.
import -window root -crop "$((WIDTH + 16))x$((HEIGHT + 60))+$((X > 8 ? X - 8 : 0))+$((Y > 50 ? Y - 50 : 0))" \
    +repage -trim +repage "$shot"
echo "The launcher is running on a virtual display; screenshot: $shot"
# A polite close, so the launcher stores its position as it does for a user.
"$TARVOK_WINE" taskkill /im tarvok.exe >/dev/null 2>&1 || true
for _ in $(seq 1 50); do
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
done
