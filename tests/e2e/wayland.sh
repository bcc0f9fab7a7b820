#!/usr/bin/env bash
# The program as a Wayland client of weston: a person drags the window by its
# title bar, narrows it by its right band, types two points, copies the
# distance, opens the About card and closes it with Escape, and closes the
# program with its close button. weston places every window itself, so the
# windows are found by their pixels on its white desktop.
source "$(dirname "$0")/lib.sh"

on_wayland || fail "needs weston: run it with CORVALEN_WAYLAND=1 tools/with-display.sh"
shots=$(mktemp -d)
# A program that failed to end would outlive weston.
trap 'rm -rf "$shots"; [[ -z ${PROGRAM_PID:-} ]] || kill "$PROGRAM_PID" 2>/dev/null || true' EXIT

start_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

geometry_is() {
    local now
    now=($(window_geometry "$WINDOW")) || return 1
    near "${now[0]}" "$1" 1 && near "${now[1]}" "$2" 1 && near "${now[2]}" "$3" 1 && near "${now[3]}" "$4" 1
}

# Drag the title text by 100, 60 in ten steps, towards the middle of the
# screen where weston's placement leaves room: the window keeps the point
# it was grabbed by.
dx=$((x + w / 2 < screen_w / 2 ? 100 : -100)) dy=$((y + h / 2 < screen_h / 2 ? 60 : -60))
drag_steps $((x + 70)) $((y + 36)) "$dx" "$dy"
wait_until geometry_is $((x + dx)) $((y + dy)) "$w" "$h"
read -r x y w h < <(window_geometry "$WINDOW")

# The right band lies 12 to 16 pixels in from the right edge; ten steps
# narrow the window by exactly the pointer's way, its left edge staying.
drag_steps $((x + w - 15)) $((y + h / 2)) -80 0
wait_until geometry_is "$x" "$y" $((w - 80)) "$h"
read -r x y w h < <(window_geometry "$WINDOW")

# Keys reach the focused first field through weston; the copy goes through
# weston's clipboard.
distance=$(typed_distance 30.5,120.3 31.2,121.5)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"

# The About card: the window behind it darkens. Points of the window's
# content away from texts, fields and buttons, at both of its ends; the card,
# wherever weston puts it, leaves one end free.
probes=("$((x + 14)) $((y + 14))" "$((x + 20)) $((y + h - 20))"
        "$((x + w - 20)) $((y + 14))" "$((x + w - 20)) $((y + h - 20))")
read -r button_x button_y < <(title_button "$WINDOW" version)
xdotool mousemove "$button_x" "$button_y"
import -window root "$shots/before.png"
xdotool click 1

# card_shown: true once the card's title strip, 350 pixels wide, is the only
# undimmed one. Sets CARD_X and CARD_Y, its window's corner (the strip lies
# inside a shadow band of 10, 5, 10, 15 pixels).
card_shown() {
    local strip
    import -window root "$shots/open.png"
    strip=($(title_strip "$shots/open.png")) && ((strip[2] == 350)) || return 1
    CARD_X=$((strip[0] - 10)) CARD_Y=$((strip[1] - 5))
}
wait_until card_shown
uncovered=()
for probe in "${probes[@]}"; do
    read -r px py <<<"$probe"
    ((px >= CARD_X && px < CARD_X + 370 && py >= CARD_Y && py < CARD_Y + 230)) || uncovered+=("$probe")
done
dimmed_now() {
    import -window root "$shots/open.png"
    dimmed "$shots/before.png" "$shots/open.png" "${uncovered[@]}"
}
wait_until dimmed_now
echo "weston placed the card at $CARD_X,$CARD_Y, the window being at $x,$y"

# Escape reaches the card, which weston focused as it mapped it.
xdotool key Escape
undimmed_now() {
    import -window root "$shots/closed.png"
    unchanged "$shots/before.png" "$shots/closed.png" "${probes[@]}"
}
wait_until undimmed_now

# Closed right after such work, the program ends (Qt's Wayland teardown
# could hang here).
xdotool mousemove $(title_button "$WINDOW" close) click 1
expect_exit_code 0
echo "PASS: on Wayland, exact title drag and band resize, typed points and read 138.65, the card over the dimmed window, closed with Escape; closed with exit code 0"
