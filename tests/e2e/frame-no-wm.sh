#!/usr/bin/env bash
# Without a window manager (and so without a compositor) the title bar and
# the grip bands, at the window's own edge, move and resize the window by hand.
source "$(dirname "$0")/lib.sh"

openbox --exit
no_wm() { ! kill -0 "$WINDOW_MANAGER_PID" 2>/dev/null && ! xprop -root _NET_SUPPORTED | grep -q ATOM; }
wait_until no_wm

"$1" &
PROGRAM_PID=$!
WINDOW=$(xdotool search --sync --onlyvisible --limit 1 --name '^Corvalen$')
read -r x y w h < <(window_geometry "$WINDOW")

at() {
    local nx ny nw nh
    read -r nx ny nw nh < <(window_geometry "$WINDOW")
    [[ "$nx $ny $nw $nh" == "$*" ]]
}

drag_steps $((x + 70)) $((y + 24)) 81 61
wait_until at $((x + 81)) $((y + 61)) "$w" "$h"
x=$((x + 81)) y=$((y + 61))

# The right band: the last 5 pixels of the window.
drag_steps $((x + w - 3)) $((y + h / 2)) 60 0
wait_until at "$x" "$y" $((w + 60)) "$h"
w=$((w + 60))

xdotool mousemove $(title_button "$WINDOW" close) click 1
expect_exit_code 0
echo "PASS: hand drag and hand resize without a window manager"
