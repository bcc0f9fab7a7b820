#!/usr/bin/env bash
# A person has the window manager maximise and restore the window, then
# resizes it by its right grip band and its bottom-right corner.
source "$(dirname "$0")/lib.sh"

start_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")

sized() {
    local _ nw nh
    read -r _ _ nw nh < <(window_geometry "$WINDOW")
    near "$nw" "$1" 1 && near "$nh" "$2" 1
}

# Maximised, the window covers the whole screen: its corners and edges show
# the window, not the desktop (or the shadow over it).
inset_is() { [[ $(central_inset "$WINDOW") == "$1" ]]; }
wait_until inset_is 12
desktop=$(import -window root -crop 1x1+1+1 -depth 8 -format '%[fx:int(255*r+.5)]' info:)
wmctrl -r Corvalen -b add,maximized_vert,maximized_horz
wait_until sized 1280 800
wait_until covers_screen "$desktop"
wmctrl -r Corvalen -b remove,maximized_vert,maximized_horz
wait_until sized 743 175
wait_until inset_is 12
read -r x y w h < <(window_geometry "$WINDOW")

# The right band lies 12 to 16 pixels in from the right edge; ten steps
# widen the window by exactly the pointer's way.
drag_steps $((x + w - 15)) $((y + h / 2)) 80 0
wait_until sized $((w + 80)) "$h"
read -r x y w h < <(window_geometry "$WINDOW")

# The bottom-right corner grows both ways.
drag_steps $((x + w - 15)) $((y + h - 15)) 40 30
wait_until sized $((w + 40)) $((h + 30))

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: maximised edge to edge and restored, exact band and corner resizes"
