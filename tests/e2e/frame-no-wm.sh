#!/usr/bin/env bash
# Without a window manager the title bar still drags the window (by hand)
# and the grip bands do nothing, harmlessly.
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

xdotool mousemove $((x + 70)) $((y + 36)) mousedown 1
xdotool mousemove $((x + 71)) $((y + 37))
xdotool mousemove $((x + 151)) $((y + 97))
wait_until at $((x + 81)) $((y + 61)) "$w" "$h"
xdotool mouseup 1
x=$((x + 81)) y=$((y + 61))

xdotool mousemove $((x + w - 15)) $((y + h / 2)) mousedown 1
xdotool mousemove $((x + w + 45)) $((y + h / 2))
xdotool mouseup 1
sleep 0.5
at "$x" "$y" "$w" "$h" || fail "the right band changed the window to $(window_geometry "$WINDOW")"

xdotool mousemove $((x + w - 37)) $((y + 36)) click 1
expect_exit_code 0
echo "PASS: hand drag and inert bands without a window manager"
