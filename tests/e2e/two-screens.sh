#!/usr/bin/env bash
# Two screens side by side, the second at twice the scale of the first
# (with-display.sh, CORVALEN_SCREENS): a window moved onto the second shows
# its 2x art and its shadow as a window of that size that opened at that
# scale does, pixel for pixel, across its title bar and the band above it.
source "$(dirname "$0")/lib.sh"

shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"; kill ${MOVED_PID:-} ${REFERENCE_PID:-} 2>/dev/null || true' EXIT
left_width=${CORVALEN_SCREENS%%x*}

QT_SCREEN_SCALE_FACTORS="1;2" start_program "$1"
MOVED=$WINDOW MOVED_PID=$PROGRAM_PID
xdotool windowmove "$MOVED" $((left_width + 100)) 100
on_right_screen() {
    local x
    read -r x _ < <(window_geometry "$MOVED")
    ((x >= left_width))
}
wait_until on_right_screen

# The reference opens on the left screen, here at 2 as well.
QT_SCREEN_SCALE_FACTORS="2;2" "$1" &
REFERENCE_PID=$!
opened() {
    WINDOW=$(xdotool search --onlyvisible --name '^Corvalen$' | grep -vx "$MOVED" | head -n 1) && [[ -n $WINDOW ]]
}
wait_until opened
xdotool windowmove "$WINDOW" 50 50
# The pointer rests off both windows, so that no button shows its hover frame.
xdotool mousemove 5 595

# top_strip WINDOW WIDTH: the shadow band above the content and the title bar
# below it (12 and 48 px, at 2), cut from the latest screenshot.
top_strip() {
    local x y
    read -r x y _ < <(window_geometry "$1")
    convert "$shot" -crop "${2}x120+$x+$y" +repage -depth 8 rgb:-
}
# The moved window keeps its native size, so its logical size halves; the
# reference takes that size.
same_pixels() {
    local w h rw rh
    read -r _ _ w h < <(window_geometry "$MOVED")
    read -r _ _ rw rh < <(window_geometry "$WINDOW")
    if [[ "$w $h" != "$rw $rh" ]]; then
        xdotool windowsize "$WINDOW" "$w" "$h"
        return 1
    fi
    import -window root "$shot"
    cmp -s <(top_strip "$MOVED" "$w") <(top_strip "$WINDOW" "$w")
}
wait_until same_pixels

wmctrl -i -c "$WINDOW"
wait "$REFERENCE_PID"
wmctrl -i -c "$MOVED"
PROGRAM_PID=$MOVED_PID
expect_exit_code 0
echo "PASS: moved to a screen of twice the scale, the window shows the art and shadow of that scale"
