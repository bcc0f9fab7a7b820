#!/usr/bin/env bash
# A person opens the About card from the version button, drags it by its
# title strip and closes it, once with Escape and once with its close button.
source "$(dirname "$0")/lib.sh"

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

start_program "$1"
read -r main_x main_y main_w main_h < <(window_geometry "$WINDOW")

# Points of the window's content left of where the card will be: the title
# bar and the body, away from any text.
probes=("$((main_x + 14)) $((main_y + 14))" "$((main_x + 20)) $((main_y + main_h - 20))"
        "$((main_x + main_w / 5)) $((main_y + main_h - 16))")
import -window root "$shots/before.png"

# open_card: opens the card and waits until the window behind it shows
# dimmed and the card over it shows its title strip: the overlay shows first.
open_card() {
    CARD=$(open_about "$WINDOW")
    wait_until shows_dimmed
}

shows_dimmed() {
    local x y r b
    import -window root "$shots/open.png"
    read -r x y _ < <(window_geometry "$CARD")
    read -r r _ b < <(pixel_at "$shots/open.png" $((x + 200)) $((y + 5)))
    ((b > 200 && r < 120)) && dimmed "$shots/before.png" "$shots/open.png" "${probes[@]}"
}

# close_card COMMAND...: closes the card and waits until it is gone and the
# window behind is as it was.
close_card() {
    "$@"
    wait_until closed_and_undimmed
}

closed_and_undimmed() {
    ! xdotool search --onlyvisible --name '^QAboutDlg$' >/dev/null || return 1
    import -window root "$shots/closed.png"
    unchanged "$shots/before.png" "$shots/closed.png" "${probes[@]}"
}

# Opening: the card sits over the window, with the window darkened.
open_card
read -r card_x card_y card_w card_h < <(window_geometry "$CARD")
[[ "$card_w $card_h" == "370 230" ]] || fail "card window is ${card_w}x${card_h}"
card_centred "$WINDOW" "$CARD" || fail "card at $card_x,$card_y is not centred on the window at $main_x,$main_y"

# The card: a 40 px title strip and a white body, 350x210 inside the shadow
# band of 10, 5, 10, 15 px. Pixels are sampled away from the rounded corners
# and the texts.
color_of() { pixel_at "$shots/open.png" $((card_x + $1)) $((card_y + $2)); }
is_white() { [[ $(color_of "$1" "$2") == "255 255 255" ]] || fail "card pixel $1,$2 is $(color_of "$1" "$2"), not white"; }
is_blue() {
    read -r r g b < <(color_of "$1" "$2")
    (( b > 200 && r < 120 )) || fail "title strip pixel $1,$2 is $r $g $b, not blue"
}
is_outside() { [[ $(color_of "$1" "$2") != "255 255 255" ]] || fail "pixel $1,$2 outside the card is white"; }
for y in 5 25 44; do is_blue 200 "$y"; is_blue 12 "$y"; is_blue 357 "$y"; done
for y in 45 120 214; do is_white 12 "$y"; is_white 357 "$y"; done
is_white 200 214
for y in 25 120 200; do is_outside 9 "$y"; is_outside 360 "$y"; done
is_outside 200 4
is_outside 200 215

# Dragging the title strip moves the card with the pointer, from where the
# card really is, the first motion included.
pointer_x=$((card_x + 200)) pointer_y=$((card_y + 25))
xdotool mousemove "$pointer_x" "$pointer_y" mousedown 1
for _ in $(seq 10); do
    pointer_x=$((pointer_x - 6)) pointer_y=$((pointer_y + 4))
    xdotool mousemove "$pointer_x" "$pointer_y"
    sleep 0.05
done
xdotool mouseup 1
followed() {
    read -r moved_x moved_y _ < <(window_geometry "$CARD")
    near $((moved_x - card_x)) -60 1 && near $((moved_y - card_y)) 40 1
}
wait_until followed

# Escape goes to whichever window holds the focus, as a person's key does:
# the card takes it as it shows, once the window manager hands it over.
wait_until has_focus "$CARD"
close_card xdotool key Escape

# The close button: 24x24 at the right of the title strip, 11 px in.
open_card
read -r card_x card_y _ < <(window_geometry "$CARD")
close_card xdotool mousemove $((card_x + 10 + 350 - 11 - 12)) $((card_y + 5 + 11 + 12)) click 1

# Keys only: the focus is back in the first field, three Tabs reach the
# version button and Space opens the card; Escape closes it, and then one Tab
# reaches the minimise button and Space iconifies the window.
wait_until has_focus "$WINDOW"
xdotool key Tab Tab Tab space
CARD=$(xdotool search --sync --onlyvisible --limit 1 --name '^QAboutDlg$')
wait_until shows_dimmed
wait_until has_focus "$CARD"
close_card xdotool key Escape
wait_until has_focus "$WINDOW"
xdotool key Tab space
iconic() { xprop -id "$WINDOW" WM_STATE | grep -q 'window state: Iconic'; }
wait_until iconic

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: opened the About card over the darkened window, dragged it, closed it with Escape and its close button, and with keys only opened and closed it and minimised the window"
