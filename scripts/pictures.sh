#!/usr/bin/env bash
# Renders the main window to PNG files under Xvfb: page 1 and page 2 of the sample settings,
# at 96 and 144 DPI; then every dialog at 96 DPI, opened from the menus as a user would.
# The pictures land in build/pictures/ (their paths are printed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARVOK_ROOT"

"$TARVOK_ROOT/scripts/setup.sh"
tarvok_require_display_tools
cmake --preset windows >/dev/null
cmake --build --preset windows --target tarvok window_tool

out="$TARVOK_ROOT/build/pictures"
mkdir -p "$out"
cp build/windows/bin/tarvok.exe "$out/"

tarvok_wine_env
set_dpi() {
    "$TARVOK_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    # The DPI is read when Wine starts: restart the server for it to apply.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    tarvok_start_wineserver
}
cleanup() {
    set_dpi 96 || true
    tarvok_stop_all
}
trap cleanup EXIT
TARVOK_FORCE_XVFB=1 tarvok_start_display

for dpi in 96 144; do
    set_dpi "$dpi"
    for page in 1 2; do
        cp resources/sample/tarvok.ini "$out/tarvok.ini"
        "$TARVOK_WINE" "$out/tarvok.exe" &
        launcher=$!
        window=$(tarvok_wait_launcher_window)
        [ "$page" = 1 ] || "$TARVOK_WINE" build/windows/bin/window_tool.exe key 123
        sleep 1
        file="$out/main-page$page-${dpi}dpi.png"
        tarvok_capture_window "$window" "$file" $((dpi / 12))
        echo "$file"
        tarvok_close_launcher "$launcher"
    done
done

# Each dialog: its picture's name, the window_tool command that opens it, and its title.
dialogs=(
    "dialog-start-menu-picker|slotmenu 2 0|ﾌﾟﾛｸﾞﾗﾑの登録/変更"
    "dialog-file-picker|slotmenu 2 1|ファイルやフォルダの登録/変更"
    "dialog-address|slotmenu 6 2|ﾎｰﾑﾍﾟｰｼﾞやﾒｰﾙｱﾄﾞﾚｽの登録/変更"
    "dialog-rename|slotmenu 2 3|名前の変更"
    "dialog-page-names|command 111|ページネーム設定画面"
    "dialog-migration|command 113|旧ペルノからのデータの移行"
    "dialog-about|command 123|製品名"
    "dialog-summon-key|command 116|呼び出しキーの設定"
)
set_dpi 96
for entry in "${dialogs[@]}"; do
    IFS='|' read -r name command title <<<"$entry"
    cp resources/sample/tarvok.ini "$out/tarvok.ini"
    "$TARVOK_WINE" "$out/tarvok.exe" &
    launcher=$!
    tarvok_wait_launcher_window >/dev/null
    # shellcheck disable=SC2086 # the command is words on purpose
    "$TARVOK_WINE" build/windows/bin/window_tool.exe $command
    window=$(tarvok_wait_window "$title")
    sleep 1
    file="$out/$name.png"
    tarvok_capture_window "$window" "$file"
    echo "$file"
    "$TARVOK_WINE" build/windows/bin/window_tool.exe close
    sleep 0.5
    tarvok_close_launcher "$launcher"
done
