#!/usr/bin/env bash
# Runs a command inside a fresh virtual X server with the openbox window
# manager, and the xcompmgr compositing manager when CORVALEN_COMPOSITOR=1,
# then tears them down. Usage: with-display.sh COMMAND [ARG...]
# With CORVALEN_WAYLAND=1 the X server holds the weston Wayland compositor
# instead, in one window covering the screen, and the command runs as its
# client (WAYLAND_DISPLAY, QT_QPA_PLATFORM=wayland); xdotool and screenshots
# still work on the X side.
# CORVALEN_SCREEN sets the screen, WIDTHxHEIGHTxDEPTH (1280x800x24 unless given).
# CORVALEN_SCREENS="WxH WxH" gives the program screens of these sizes side
# by side (each may have a scale of its own, QT_SCREEN_SCALE_FACTORS);
# CORVALEN_SCREEN must hold them. Qt 5 learns of them from Xinerama, so the
# window manager and the command run in a Xephyr server inside Xvfb, one
# Xinerama screen each; Qt 6 no longer reads Xinerama, so with
# CORVALEN_SCREENS_FROM=monitors they are RandR monitors on Xvfb itself.
# Fails, with the server's, the window manager's or the compositor's log, when
# one does not come up; the command would otherwise run against a display
# that is not there.
set -euo pipefail

tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
workdir=$(mktemp -d)
cleanup() {
    [[ -n ${weston_pid:-} ]] && kill "$weston_pid" 2>/dev/null || true
    [[ -n ${compositor_pid:-} ]] && kill "$compositor_pid" 2>/dev/null || true
    [[ -n ${wm_pid:-} ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n ${xephyr_pid:-} ]] && kill "$xephyr_pid" 2>/dev/null || true
    [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

# did_not_start WHAT LOG: the reason and the log on stderr, then exit.
did_not_start() {
    echo "with-display.sh: $1 did not come up; its log:" >&2
    sed 's/^/    /' "$2" >&2
    exit 1
}

# wait_for_ready WHAT PID LOG COMMAND...: waits up to 10 s, while PID runs,
# for COMMAND to succeed; otherwise fails with LOG.
wait_for_ready() {
    local what=$1 pid=$2 log=$3
    shift 3
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    did_not_start "$what" "$log"
}

# Xvfb picks a free display number itself and writes it to the pipe. It
# must not reset when its last client leaves: a client connecting meanwhile
# (the program, after a test ended the window manager) would be refused.
mkfifo "$workdir/display"
Xvfb -displayfd 3 -noreset -screen 0 "${CORVALEN_SCREEN:-1280x800x24}" -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
number=
read -r -t 30 number <"$workdir/display" || true
[[ $number =~ ^[0-9]+$ ]] || did_not_start "the X server (Xvfb)" "$workdir/xvfb.log"
export DISPLAY=":$number"

if [[ -n ${CORVALEN_SCREENS:-} && ${CORVALEN_SCREENS_FROM:-xinerama} == monitors ]]; then
    output=$(xrandr | awk '/ connected/ { print $1; exit }')
    geometries=() left=0
    for size in $CORVALEN_SCREENS; do
        width=${size%x*} height=${size#*x}
        # WIDTH/MILLIMETRESxHEIGHT/MILLIMETRES+X+Y, at 96 dots an inch.
        geometries+=("$width/$((width * 254 / 960))x$height/$((height * 254 / 960))+$left+0")
        left=$((left + width))
    done
    # The first monitor takes the server's one output, so that the server's
    # own monitor for that output, covering the whole screen, gives way.
    set_monitors() {
        local index outputs=$output
        for index in "${!geometries[@]}"; do
            xrandr --delmonitor "screen-$index" 2>/dev/null || true
            xrandr --setmonitor "screen-$index" "${geometries[$index]}" "$outputs" 2>/dev/null || return 1
            outputs=none
        done
        [[ $(xrandr --listmonitors | head -n 1) == "Monitors: ${#geometries[@]}" ]]
    }
    wait_for_ready "the RandR monitors" "$xvfb_pid" "$workdir/xvfb.log" set_monitors
elif [[ -n ${CORVALEN_SCREENS:-} ]]; then
    screens=()
    for size in $CORVALEN_SCREENS; do
        screens+=(-screen "$size")
    done
    # Without RandR: Qt would take its one output for the only screen, where
    # Xinerama's screens are two.
    mkfifo "$workdir/nested"
    Xephyr -displayfd 3 -noreset "${screens[@]}" +xinerama -extension RANDR -nolisten tcp \
        3>"$workdir/nested" 2>"$workdir/xephyr.log" &
    xephyr_pid=$!
    number=
    read -r -t 30 number <"$workdir/nested" || true
    [[ $number =~ ^[0-9]+$ ]] || did_not_start "the nested X server (Xephyr)" "$workdir/xephyr.log"
    export DISPLAY=":$number"
fi

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Wayland sockets and the program's runtime files go here, fresh each run.
export XDG_RUNTIME_DIR="$workdir"

if [[ ${CORVALEN_WAYLAND:-0} == 1 ]]; then
    # No window manager: weston's window stays at 0,0, so screen and weston
    # coordinates are the same, and it has the X focus while the pointer is
    # over it, which covers the screen.
    IFS=x read -r width height _ <<<"${CORVALEN_SCREEN:-1280x800x24}"
    weston --backend=x11-backend.so --use-pixman --width="$width" --height="$height" \
        --config="$tools/weston.ini" --socket=wayland-0 \
        --log="$workdir/weston.log" >/dev/null 2>&1 &
    weston_pid=$!
    wait_for_ready "the Wayland compositor (weston)" "$weston_pid" "$workdir/weston.log" \
        test -S "$workdir/wayland-0"
    # weston's x11 backend may hold its first frame back until an X event
    # comes, and it follows the X pointer by relative motions, so a motion it
    # missed while starting leaves its pointer elsewhere. Motions nudge it
    # until weston.ini's white desktop shows; then the pointer visits the
    # top-left and bottom-right corners, where weston's pointer, held within
    # the screen, meets the X pointer, and rests in the latter, where
    # weston's cursor covers no window.
    corners="mousemove 0 0 mousemove $((width - 1)) $((height - 1))"
    wait_for_ready "the Wayland compositor's desktop (weston)" "$weston_pid" "$workdir/weston.log" \
        sh -c "xdotool $corners && import -window root -crop 1x1+$((width / 2))+0 -depth 8 txt:- | grep -q '#FFFFFF'"
    xdotool $corners
    export WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland
else
    openbox --sm-disable --config-file "$tools/openbox.xml" >"$workdir/openbox.log" 2>&1 &
    wm_pid=$!
    export WINDOW_MANAGER_PID=$wm_pid
    wait_for_ready "the window manager (openbox)" "$wm_pid" "$workdir/openbox.log" \
        sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"

    if [[ ${CORVALEN_COMPOSITOR:-0} == 1 ]]; then
        xcompmgr 2>"$workdir/xcompmgr.log" &
        compositor_pid=$!
        wait_for_ready "the compositing manager (xcompmgr)" "$compositor_pid" "$workdir/xcompmgr.log" \
            sh -c "xwininfo -root -children | grep -q '\"xcompmgr\"'"
    fi
    export QT_QPA_PLATFORM=xcb
fi

"$@"
