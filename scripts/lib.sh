# Shared by the scripts: paths, the Wine environment, and starting/stopping the virtual
# display and the wineserver that a run needs. Source it; it defines functions only.

TARVOK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TARVOK_WIN_BUILD="$TARVOK_ROOT/build/windows"

tarvok_wine_env() {
    export LOCPATH="$TARVOK_ROOT/build/locale"
    export LANG=ja_JP.UTF-8
    export WINEPREFIX="$TARVOK_WIN_BUILD/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No Mono or Gecko download prompts: nothing here needs .NET or the HTML engine.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -x /usr/lib/wine/wine64 ]; then
        TARVOK_WINE=/usr/lib/wine/wine64
    else
        TARVOK_WINE=$(command -v wine64 || command -v wine)
    fi
    export TARVOK_WINE
}

# Stops with a message naming each missing tool and the Debian package that brings it.
# Arguments: tool:package pairs.
tarvok_require() {
    local pair missing=0
    for pair in "$@"; do
        if ! command -v "${pair%%:*}" >/dev/null 2>&1; then
            echo "missing tool: ${pair%%:*} (Debian package ${pair#*:}); scripts/setup.sh installs it" >&2
            missing=1
        fi
    done
    return "$missing"
}

# What starting, finding, capturing and closing the launcher on a display needs.
tarvok_require_display_tools() {
    tarvok_require Xvfb:xvfb xdpyinfo:x11-utils xdotool:xdotool import:imagemagick \
        wineserver:wine
}

TARVOK_XVFB_PID=""
TARVOK_STARTED_WINESERVER=""

# Starts a virtual display unless one is usable already; exports DISPLAY.
tarvok_start_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${TARVOK_FORCE_XVFB:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n=90
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
    TARVOK_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X${n}" ] && return 0
        sleep 0.05
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

# One wineserver for the whole run: each test program would otherwise pay its start-up.
tarvok_start_wineserver() {
    wineserver -p >/dev/null 2>&1
    TARVOK_STARTED_WINESERVER=1
    "$TARVOK_WINE" cmd /c exit >/dev/null 2>&1 || true
}

tarvok_stop_all() {
    if [ -n "$TARVOK_STARTED_WINESERVER" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        TARVOK_STARTED_WINESERVER=""
    fi
    if [ -n "$TARVOK_XVFB_PID" ]; then
        kill "$TARVOK_XVFB_PID" 2>/dev/null || true
        wait "$TARVOK_XVFB_PID" 2>/dev/null || true
        TARVOK_XVFB_PID=""
    fi
}

# Waits for the launcher's window on the X display; prints its X window id.
tarvok_wait_launcher_window() {
    tarvok_wait_window 'ダルメDのペルノ' "the launcher window"
}

# Waits for a window whose title holds $1 on the X display; prints its X window id.
tarvok_wait_window() {
    local window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    echo "${2:-the window \"$1\"} did not appear" >&2
    return 1
}

# Writes a PNG of an X window with the frame Wine draws around it ($3: margin in pixels).
tarvok_capture_window() {
    local window=$1 file=$2 margin=${3:-8}
    local WIDTH HEIGHT X Y
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root \
        -crop "$((WIDTH + 2 * margin))x$((HEIGHT + 5 * margin))+$((X > margin ? X - margin : 0))+$((Y > 4 * margin ? Y - 4 * margin : 0))" \
        +repage -trim +repage "$file"
}

# Asks the launcher to close as a user would, so it stores its position, and waits for its
# process ($1: the process id of the background job that started it).
tarvok_close_launcher() {
    local pid=$1
    "$TARVOK_WINE" taskkill /im tarvok.exe >/dev/null 2>&1 || true
    for _ in $(seq 1 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
            return 0
        fi
        sleep 0.1
    done
    echo "the launcher did not close within 10 s; stopping it" >&2
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 1
}
