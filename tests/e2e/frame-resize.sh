#!/usr/bin/env bash
# A person resizes the window by its right grip band and its bottom-right
# corner, and has the window manager maximise and restore it.
source "$(dirname "$0")/lib.sh"

start_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")

sized() {
    local _ nw nh
    read -r _ _ nw nh < <(window_geometry "$WINDOW")
    near "$nw" "$1" && near "$nh" "$2"
}

# The right band lies 12 to 16 pixels in from the right edge.
xdotool mousemove $((x + w - 15)) $((y + h / 2)) mousedown 1
xdotool mousemove $((x + w - 14)) $((y + h / 2))
xdotool mousemove $((x + w + 45)) $((y + h / 2))
wait_until sized $((w + 60)) "$h"
xdotool mouseup 1
read -r x y w h < <(window_geometry "$WINDOW")

# The bottom-right corner grows both ways.
xdotool mousemove $((x + w - 15)) $((y + h - 15)) mousedown 1
xdotool mousemove $((x + w - 14)) $((y + h - 14))
xdotool mousemove $((x + w + 25)) $((y + h + 15))
wait_until sized $((w + 40)) $((h + 30))
xdotool mouseup 1

# The shadow margin while normal, the frame thickness while maximised.
inset_is() { [[ $(central_inset "$WINDOW") == "$1" ]]; }
wait_until inset_is 12
wmctrl -r Corvalen -b add,maximized_vert,maximized_horz
wait_until sized 1280 800
wait_until inset_is 8
wmctrl -r Corvalen -b remove,maximized_vert,maximized_horz
wait_until sized $((w + 40)) $((h + 30))
wait_until inset_is 12

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: right band and corner resize, maximised and restored margins"
