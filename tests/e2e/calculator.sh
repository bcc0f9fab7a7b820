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

# The X11 selection, pasted with the middle button where the first field is:
# 100 px into the content, halfway down below the 48 px title bar.
xdotool key BackSpace
printf '%s' '33.8688°S 151.2093°E' | xclip -selection primary
read -r x y w h < <(window_geometry "$WINDOW")
margin=$(shadow_margin)
xdotool mousemove $((x + margin + 100)) $((y + margin + 48 + (h - 2 * margin - 48) / 2)) click 2
xdotool key Tab Tab
distance=$(copy_focused_field)
[[ $distance == 16979.5 ]] || fail "point pasted with the middle button: distance field shows '$distance'"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: typed both points, read 138.65; pasted points as copied from maps, undid a paste; closed with exit code 0"
