#!/usr/bin/env bash
# A person runs the Windows program under Wine: types both points and reads
# the distance, then ends the program with its close button.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"

start_windows_program "$1"
distance=$(type_points_and_read_distance)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: typed both points, read 138.65, closed with exit code 0"
