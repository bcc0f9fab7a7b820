#!/usr/bin/env bash
# A person types two points and reads the distance, then closes the window.
source "$(dirname "$0")/lib.sh"

start_program "$1"
# The cursor starts in the first field; Tab moves to the next one.
xdotool type --delay 40 '30.5,120.3'
xdotool key Tab
xdotool type --delay 40 '31.2,121.5'
xdotool key Tab
distance=$(copy_focused_field)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: typed both points, read 138.65, closed with exit code 0"
