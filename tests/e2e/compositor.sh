#!/usr/bin/env bash
# On a white desktop without a compositing manager, neither the window nor
# the About card shows a black pixel; when a compositor starts the window
# takes its shadow margin, and when it stops the window drops it again.
source "$(dirname "$0")/lib.sh"

shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT
xsetroot -solid white

# never_black WINDOW: no pixel 6 px around the window's visible part, where
# a translucent margin would lie, is black.
never_black() {
    local x y w h point
    read -r x y w h < <(window_geometry "$1")
    import -window root "$shot"
    for point in "-6 -6" "$((w / 2)) -6" "$((w + 5)) -6" "-6 $((h / 2))" "$((w + 5)) $((h / 2))" \
                 "-6 $((h + 5))" "$((w / 2)) $((h + 5))" "$((w + 5)) $((h + 5))"; do
        read -r px py <<<"$point"
        [[ $(pixel_at "$shot" $((x + px)) $((y + py))) != "0 0 0" ]] || return 1
    done
}

width_is() {
    local _ w
    read -r _ _ w _ < <(window_geometry "$WINDOW")
    [[ $w == "$1" ]]
}

start_program "$1"
wait_until width_is 719
wait_until never_black "$WINDOW"

CARD=$(open_about "$WINDOW")
read -r _ _ card_w card_h < <(window_geometry "$CARD")
[[ "$card_w $card_h" == "350 210" ]] || fail "the card is ${card_w}x$card_h without a compositor"
wait_until never_black "$CARD"
xdotool key Escape
wait_until eval '! xdotool search --onlyvisible --name "^QAboutDlg$" >/dev/null'

# A compositor starts: the window grows its 12 px shadow margin around the
# content, which stays where it was, and the shadow darkens the desktop.
read -r x y _ < <(window_geometry "$WINDOW")
start_compositor
wait_until width_is 743
read -r nx ny _ _ < <(window_geometry "$WINDOW")
[[ "$nx $ny" == "$((x - 12)) $((y - 12))" ]] || fail "the content moved: window at $nx,$ny, was $x,$y"
shadowed() {
    local desktop shadow
    import -window root "$shot"
    read -r desktop _ < <(pixel_at "$shot" $((nx - 20)) $((ny + 80)))
    read -r shadow _ < <(pixel_at "$shot" $((nx + 9)) $((ny + 80)))
    ((shadow > 0 && shadow < desktop - 10))
}
wait_until shadowed

stop_compositor
wait_until width_is 719
wait_until never_black "$WINDOW"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: no black pixel without a compositor; the shadow margin follows one that starts and stops"
