#!/usr/bin/env bash
# A person has the window manager maximise and restore the window, then
# resizes it by each of its grip bands and corners.
source "$(dirname "$0")/lib.sh"

start_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")

sized() {
    local _ nw nh
    read -r _ _ nw nh < <(window_geometry "$WINDOW")
    near "$nw" "$1" 1 && near "$nh" "$2" 1
}

# Maximised, the window covers the whole screen: its corners and edges show
# the window, not the desktop (or the shadow over it).
inset_is() { [[ $(central_inset "$WINDOW") == "$1" ]]; }
wait_until inset_is 12
desktop=$(import -window root -crop 1x1+1+1 -depth 8 -format '%[fx:int(255*r+.5)]' info:)
wmctrl -r Corvalen -b add,maximized_vert,maximized_horz
wait_until sized 1280 800
wait_until covers_screen "$desktop"
wmctrl -r Corvalen -b remove,maximized_vert,maximized_horz
wait_until sized 743 175
wait_until inset_is 12
read -r x y w h < <(window_geometry "$WINDOW")

# Each band and corner resizes its own edges, through the window manager, by
# exactly the pointer's way: ten steps outwards. The bands lie 12 to 16
# pixels in from the window's edges.
at_geometry() {
    local nx ny nw nh
    read -r nx ny nw nh < <(window_geometry "$WINDOW")
    near "$nx" "$1" 1 && near "$ny" "$2" 1 && near "$nw" "$3" 1 && near "$nh" "$4" 1
}
for grip in "left -20 0" "right 20 0" "top 0 -15" "bottom 0 15" \
            "top-left -20 -15" "top-right 20 -15" "bottom-left -20 15" "bottom-right 20 15"; do
    read -r edges dx dy <<<"$grip"
    px=$((x + w / 2)) py=$((y + h / 2)) ex=$x ey=$y ew=$w eh=$h
    case $edges in
    *left) px=$((x + 14)) ex=$((x + dx)) ew=$((w - dx)) ;;
    *right) px=$((x + w - 15)) ew=$((w + dx)) ;;
    esac
    case $edges in
    top*) py=$((y + 14)) ey=$((y + dy)) eh=$((h - dy)) ;;
    bottom*) py=$((y + h - 15)) eh=$((h + dy)) ;;
    esac
    drag_steps "$px" "$py" "$dx" "$dy"
    wait_until at_geometry "$ex" "$ey" "$ew" "$eh"
    read -r x y w h < <(window_geometry "$WINDOW")
done

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: maximised edge to edge and restored, exact resizes by each band and corner"
