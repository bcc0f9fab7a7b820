#!/usr/bin/env bash
# The Windows program at 150 % under Wine: it opens at its scaled size, its
# right grip band starts at the content's edge, not in the shadow, and a
# ten-step drag of it widens the window by exactly the pointer's way.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"

# drag_system X Y DX: a press that lets the system's sizing loop start, then
# ten steps to the right.
drag_system() {
    local step
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.2
    for step in $(seq 10); do
        xdotool mousemove $(($1 + $3 * step / 10)) "$2"
        sleep 0.05
    done
    xdotool mouseup 1
}

start_windows_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")
near "$w" 1115 1 && near "$h" 263 1 || fail "window is ${w}x$h at 150 %, expected 1115x263"

# 14 px in from the window's edge lies in the 18 px shadow: nothing happens.
drag_system $((x + w - 14)) $((y + h / 2)) 80
sleep 0.5
[[ $(window_geometry "$WINDOW") == "$x $y $w $h" ]] || fail "a drag in the shadow changed the window to $(window_geometry "$WINDOW")"

# 3 px inside the content's edge lies in the band.
widened() {
    local nx ny nw nh
    read -r nx ny nw nh < <(window_geometry "$WINDOW")
    [[ "$nx $ny $nh" == "$x $y $h" ]] && near "$nw" $((w + 80)) 1
}
drag_system $((x + w - 18 - 3)) $((y + h / 2)) 80
wait_until widened

xdotool mousemove $(QT_SCALE_FACTOR=1.5 title_button "$WINDOW" close) click 1
expect_exit_code 0
echo "PASS: at 150 %: scaled size, band at the content's edge, exact ten-step resize"
