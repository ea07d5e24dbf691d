#!/usr/bin/env bash
# The Windows build of the Qt-free parts, tested under wine: core/ with its readout tests
# (the wide real type as long double and as double) and the Win32 calls behind the Windows
# desktop and shell, on an Xvfb of their own with openbox. Qt for Windows is not packaged
# for MinGW here, so the windows themselves are not built.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

say() { printf '\033[1m==> %s\033[0m\n' "$*"; }
took() { say "$1 took $((SECONDS - $2)) s"; }

PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64 wine wine64 googletest
          xvfb openbox xdotool x11-xserver-utils x11-utils)

install_deps() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    say "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# The presets of tests/windows (a project of its own: the main one needs Qt).
build() {
    say "cross-building ($1)"
    (cd tests/windows && cmake --preset "$1" >/dev/null && cmake --build --preset "$1")
}

# Runs the xdotool and xsetroot commands the Win32 test writes to $1/request, one at a
# time, and removes the request once it has run.
x_helper() {
    local dir=$1 words
    while :; do
        if [ -f "$dir/request" ]; then
            read -r -a words <"$dir/request"
            case ${words[0]:-} in
                xdotool | xsetroot) "${words[@]}" >/dev/null || echo "x helper: failed: ${words[*]}" >&2 ;;
                *) echo "x helper: refused: ${words[*]}" >&2 ;;
            esac
            rm -f "$dir/request"
        fi
        sleep 0.02
    done
}

pids=()
stop_all() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}
trap stop_all EXIT

start=$SECONDS
install_deps
took "installing" "$start"

start=$SECONDS
build windows
build windows-wide-double
took "building" "$start"

# Everything of this run lives in one folder, the wine prefix included.
run=$root/build/windows/run
rm -rf "$run"
mkdir -p "$run/bin" "$run/x"

start=$SECONDS
say "starting Xvfb and openbox"
exec 3>"$run/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp >"$run/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do
    [ -s "$run/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(cat "$run/display")"
openbox --sm-disable >"$run/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
x_helper "$run/x" &
pids+=($!)

# A stand-in for the desktop's opener, which wine's winebrowser runs.
cat >"$run/bin/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$@" >"$COLVEXA_OPEN_RECORD.tmp" && mv "$COLVEXA_OPEN_RECORD.tmp" "$COLVEXA_OPEN_RECORD"
OPENER
chmod +x "$run/bin/xdg-open"
export PATH="$run/bin:$PATH"
export COLVEXA_X_HELPER=$run/x
export COLVEXA_OPEN_RECORD=$run/opened
export COLVEXA_CHOOSER_RECORD=$run/chooser

say "making a wine prefix"
export WINEPREFIX=$run/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A persistent wineserver: without it every test start pays for a new one.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot --init >/dev/null 2>&1
took "setting up" "$start"

start=$SECONDS
status=0
for dir in windows windows-double; do
    say "testing $dir under wine"
    ctest --test-dir "build/$dir" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" || status=1
done
took "testing" "$start"
exit "$status"
