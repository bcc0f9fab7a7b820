#!/usr/bin/env bash
# Runs a command inside a fresh virtual X server with the openbox window
# manager, then tears both down. Usage: with-display.sh COMMAND [ARG...]
# CORVALEN_SCREEN sets the screen, WIDTHxHEIGHTxDEPTH (1280x800x24 unless given).
set -euo pipefail

workdir=$(mktemp -d)
cleanup() {
    [[ -n ${wm_pid:-} ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the pipe.
mkfifo "$workdir/display"
Xvfb -displayfd 3 -screen 0 "${CORVALEN_SCREEN:-1280x800x24}" -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
read -r -t 30 number <"$workdir/display"
export DISPLAY=":$number"

openbox --sm-disable --config-file "$(dirname "${BASH_SOURCE[0]}")/openbox.xml" >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
export WINDOW_MANAGER_PID=$wm_pid
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir"
"$@"
