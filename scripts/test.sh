#!/usr/bin/env bash
# The whole check, from a fresh Debian machine: set-up, the sources' formatting, native build
# and unit tests, bounded fuzz runs, the Windows build and its tests under Wine on a virtual
# display, and the run command once without a display. Starts what it needs and stops it again,
# pass or fail.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARVOK_ROOT"

"$TARVOK_ROOT/scripts/setup.sh"

echo "== formatting (clang-format, the repository's .clang-format)"
unformatted=()
while IFS= read -r -d '' source; do
    clang-format --dry-run --Werror "$source" >/dev/null 2>&1 || unformatted+=("${source#./}")
done < <(find . \( -path ./build -o -path ./.git \) -prune -o -type f \
    \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) -print0 |
    sort -z)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "not formatted as .clang-format says (run clang-format -i on them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

fuzz_seconds=${TARVOK_FUZZ_SECONDS:-30}
echo "== fuzzing the settings loader and a single write (${fuzz_seconds} s)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# Undefined behaviour must fail the run, not scroll past in the log.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
fuzz() {
    local target=$1 seconds=$2
    # -max_total_time=0 would mean no limit at all.
    [ "$seconds" -ge 1 ] || seconds=1
    mkdir -p "build/fuzz/corpus-$target"
    "./build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=0 \
        -artifact_prefix=build/fuzz/ \
        "build/fuzz/corpus-$target" tests/fuzz/seeds 2>"build/fuzz/$target.log" ||
        { tail -40 "build/fuzz/$target.log"; exit 1; }
    echo "$target: $(grep -E '^Done [0-9]+ runs' "build/fuzz/$target.log" || echo 'no summary')"
}
fuzz ini_fuzz $((fuzz_seconds / 2))
fuzz ini_write_fuzz $((fuzz_seconds - fuzz_seconds / 2))

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
tarvok_wine_env
trap tarvok_stop_all EXIT
TARVOK_FORCE_XVFB=1 tarvok_start_display
tarvok_start_wineserver
ctest --preset windows
tarvok_stop_all

# The run command as a user without a display meets it; its own display and wineserver.
echo "== run command without a display: start, screenshot, close"
scripts/run.sh --headless
