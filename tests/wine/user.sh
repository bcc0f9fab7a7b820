#!/usr/bin/env bash
# A person runs the Windows program under Wine: types both points and reads
# the distance, moves the window by its title bar and widens it by its right
# grip band (both through the system's own loops), opens the About card,
# drags it and closes it with Escape, and ends the program with its close
# button.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"

# drag X Y DX DY: presses the left button at X,Y, moves by DX,DY in ten
# steps and releases.
drag() {
    xdotool mousemove "$1" "$2"
    xdotool mousedown 1
    # Let the press start the system's loop before the pointer moves.
    sleep 0.2
    for _ in $(seq 10); do
        xdotool mousemove_relative -- $(($3 / 10)) $(($4 / 10))
        sleep 0.05
    done
    xdotool mouseup 1
}

# geometry_is X Y WIDTH HEIGHT: true when the main window is there at that size.
geometry_is() {
    [[ $(window_geometry "$WINDOW") == "$*" ]]
}

start_windows_program "$1"
distance=$(type_points_and_read_distance)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"

# The window's rectangle is its whole visible area: no system frame.
read -r x y w h < <(window_geometry "$WINDOW")
[[ $w == 743 && $h == 175 ]] || fail "window is ${w}x$h, expected 743x175"

# The title bar, right of the title text: 12 px shadow, then 48 px of bar.
drag $((x + 300)) $((y + 30)) 100 50
wait_until geometry_is $((x + 100)) $((y + 50)) "$w" "$h"
read -r x y w h < <(window_geometry "$WINDOW")

# The right grip band lies 13 to 17 px inside the right edge.
drag $((x + w - 15)) $((y + h / 2)) 80 0
wait_until geometry_is "$x" "$y" $((w + 80)) "$h"
w=$((w + 80))

# The version button opens the About card over the window, which darkens
# behind it; the card's title strip drags it, and Escape closes it.
probe=("$((x + 20))" "$((y + h - 20))")
shot=$(mktemp --suffix .png)
import -window root "$shot"
read -r r0 g0 b0 < <(pixel_at "$shot" "${probe[@]}")
CARD=$(open_about "$WINDOW")
read -r cx cy cw ch < <(window_geometry "$CARD")
[[ "$cw $ch" == "370 230" ]] || fail "About card is ${cw}x$ch, expected 370x230"
darker() {
    import -window root "$shot"
    read -r r g b < <(pixel_at "$shot" "${probe[@]}")
    ((r < r0 && g < g0 && b < b0))
}
wait_until darker
card_is() {
    [[ $(window_geometry "$CARD") == "$*" ]]
}
drag $((cx + 200)) $((cy + 25)) -60 40
wait_until card_is $((cx - 60)) $((cy + 40)) "$cw" "$ch"
card_closed() {
    ! xdotool search --onlyvisible --name '^QAboutDlg$' >/dev/null
}
# Escape goes to whichever window holds the focus, as a person's key does.
# Wine may drop a key right after a window is activated; a person then
# presses it again.
escape_closes_card() {
    xdotool key Escape
    sleep 0.3
    card_closed
}
wait_until has_focus "$CARD"
wait_until escape_closes_card
rm -f "$shot"

xdotool mousemove $(title_button "$WINDOW" close) click 1
expect_exit_code 0
echo "PASS: typed both points, read 138.65, moved and widened the window, dragged and closed the About card, closed the window with exit code 0"
