#!/usr/bin/env bash
# At the scale factor that QT_SCALE_FACTOR gives, or that the desktop asks
# for with the Xft.dpi resource (CORVALEN_XFT_DPI), with a compositor: the
# window opens at its scaled size, title drags and band resizes follow the
# pointer, a maximised window covers the screen and the About card opens
# centred over the window.
source "$(dirname "$0")/lib.sh"

if [[ -n ${CORVALEN_XFT_DPI:-} ]]; then
    echo "Xft.dpi: $CORVALEN_XFT_DPI" | xrdb -merge
    DISPLAY_SCALE=$(awk -v dpi="$CORVALEN_XFT_DPI" 'BEGIN { print dpi / 96 }')
    export DISPLAY_SCALE
fi
scale=${DISPLAY_SCALE:-${QT_SCALE_FACTOR:?}}
scaled() { awk -v s="$scale" -v n="$1" 'BEGIN { printf "%d", n * s + 0.5 }'; }
margin=$(scaled 12)

start_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")
near "$w" "$(scaled 743)" 1 && near "$h" "$(scaled 175)" 1 || fail "the window is ${w}x$h at scale $scale"

moved_to() {
    local nx ny nw nh
    read -r nx ny nw nh < <(window_geometry "$WINDOW")
    near "$nx" "$1" 1 && near "$ny" "$2" 1 && near "$nw" "$3" 1 && near "$nh" "$4" 1
}
drag_steps $((x + margin + 100)) $((y + margin + $(scaled 24))) 100 60
wait_until moved_to $((x + 100)) $((y + 60)) "$w" "$h"
x=$((x + 100)) y=$((y + 60))

# The right band starts at the content's edge: 3 device pixels inside it.
drag_steps $((x + w - margin - 3)) $((y + h / 2)) 80 0
wait_until moved_to "$x" "$y" $((w + 80)) "$h"

CARD=$(open_about "$WINDOW")
wait_until card_centred "$WINDOW" "$CARD" "$scale"
xdotool key Escape

desktop=$(import -window root -crop 1x1+1+1 -depth 8 -format '%[fx:int(255*r+.5)]' info:)
wmctrl -r Corvalen -b add,maximized_vert,maximized_horz
wait_until covers_screen "$desktop"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: at scale $scale: size, exact drag and band resize, centred card, maximised edge to edge"
