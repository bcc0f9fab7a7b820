#!/usr/bin/env bash
# A person types two points and reads the distance, then closes the window.
source "$(dirname "$0")/lib.sh"

start_program "$1"
# The cursor starts in the first field; Tab moves to the next one.
distance=$(typed_distance 30.5,120.3 31.2,121.5)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"

# A point copied from a map goes in as the program writes it: pasted into the
# emptied first field, the second typed anew.
xdotool key shift+Tab shift+Tab BackSpace
printf '%s' '51.50740, -0.12780' | xclip -selection clipboard
xdotool key ctrl+v Tab BackSpace
xdotool type --delay 40 '48.8566,2.3522'
xdotool key Tab
distance=$(copy_focused_field)
[[ $distance == 343.941 ]] || fail "pasted point: distance field shows '$distance'"

# One undo takes the whole paste out: what is typed next is all the field holds.
xdotool key shift+Tab shift+Tab ctrl+z
xdotool type --delay 40 '0,0'
point=$(copy_focused_field)
[[ $point == 0,0 ]] || fail "after undoing the paste and typing 0,0 the first field holds '$point'"

# The X11 selection, pasted with the middle button where the first field is
# (100 px into the content, halfway down below the 48 px title bar), goes in
# at the pointer, after the field's text, and leaves the selected text alone:
# the "-" selected in the field, which Shift keeps selected through the press.
xdotool key BackSpace minus Home shift+End
printf '%s' '33.8688°N 151.2093°E' | xclip -selection primary
read -r x y w h < <(window_geometry "$WINDOW")
margin=$(shadow_margin)
xdotool mousemove $((x + margin + 100)) $((y + margin + 48 + (h - 2 * margin - 48) / 2))
xdotool keydown shift click 2 keyup shift
xdotool key Tab Tab
distance=$(copy_focused_field)
[[ $distance == 16979.5 ]] || fail "point pasted with the middle button: distance field shows '$distance'"

# A pair that a map picker writes longitude first goes in swapped, and a
# notice under the field says so.
notice_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && return 0
    done
    return 1
}
xdotool key shift+Tab shift+Tab BackSpace
printf '%s' '116.397428,39.90923' | xclip -selection clipboard
xdotool key ctrl+v
wait_until notice_shown '已按“经度,纬度”读取，交换为“纬度,经度”'
point=$(copy_focused_field)
[[ $point == 39.90923,116.397428 ]] || fail "longitude-first pair pasted: the first field holds '$point'"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: typed both points, read 138.65; pasted points as copied from maps, undid a paste, read the notice of a swapped pair; closed with exit code 0"
