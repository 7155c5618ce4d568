#!/usr/bin/env bash
# Prepares a Debian machine for building and testing: installs the missing apt packages,
# generates the Japanese locale Wine needs for code page 932, and boots the Wine prefix of
# the Windows build tree. Safe to run again: each step is skipped when already done.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format
    googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix wine wine64
    xvfb x11-utils x11-apps xdotool imagemagick locales fonts-ipafont-gothic fonts-wine
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the glibc locale: without ja_JP it runs in 1252.
if [ ! -f "$TARVOK_ROOT/build/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$TARVOK_ROOT/build/locale"
    localedef -i ja_JP -f UTF-8 "$TARVOK_ROOT/build/locale/ja_JP.UTF-8" 2>/dev/null ||
        [ -f "$TARVOK_ROOT/build/locale/ja_JP.UTF-8/LC_CTYPE" ]
fi

tarvok_wine_env
if [ ! -f "$WINEPREFIX/.tarvok-ready" ]; then
    echo "setup: booting the Wine prefix $WINEPREFIX"
    trap tarvok_stop_all EXIT
    TARVOK_FORCE_XVFB=1 tarvok_start_display
    mkdir -p "$WINEPREFIX"
    "$TARVOK_WINE" wineboot -i >/dev/null 2>&1
    # The fresh prefix has no fonts of its own: title-bar buttons would draw as letters.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    reg() { "$TARVOK_WINE" reg add "$@" /f >/dev/null 2>&1; }
    # Without a window manager every hide or destroy of a top-level window waits 2 s.
    reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
    reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y
    # The designed fonts, mapped to the proportional and fixed IPA Gothic.
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS PGothic' /d IPAPGothic
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic
    # No browser in the test prefix: Wine's own iexplore would answer the launcher's start
    # attempt for "Iexplore WWW_OpenURL", and tests need a machine without one.
    rm -f "$WINEPREFIX/drive_c/windows/system32/iexplore.exe" \
        "$WINEPREFIX/drive_c/Program Files/Internet Explorer/iexplore.exe"
    wineserver -w
    touch "$WINEPREFIX/.tarvok-ready"
fi
