#!/usr/bin/env bash
# The real executable carries the bundle: its title bar shows the gradient
# and the focused field the accent frame, on a real X server.
source "$(dirname "$0")/lib.sh"

shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT

# colour_at X Y: "R,G,B" of the screenshot's pixel.
colour_at() {
    convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# near "R,G,B" "R,G,B": true when every channel differs by at most 3.
near() {
    local IFS=,
    local -a a=($1) b=($2)
    for i in 0 1 2; do
        ((${a[i]} - ${b[i]} <= 3 && ${b[i]} - ${a[i]} <= 3)) || return 1
    done
}

# accent_pixels LEFT TOP WIDTH HEIGHT: how many pixels of the area are #58BBE4.
accent_pixels() {
    convert "$shot" -crop "$3x$4+$1+$2" +repage -fill black +opaque '#58BBE4' \
        -fill white -opaque '#58BBE4' -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_program "$1"
read -r x y width height < <(window_geometry "$WINDOW")
# The content starts inside the 12-px shadow margin; the title frame has a
# 1-px border around its gradient.
left=$((x + 12 + 3)) right=$((x + width - 12 - 4)) middle=$((y + 12 + 25))
below_title=$((y + 12 + 50))

for _ in $(seq 50); do
    import -window root "$shot"
    [[ $(accent_pixels "$x" "$below_title" "$width" 60) -gt 200 ]] && break
    sleep 0.1
done
[[ $(accent_pixels "$x" "$below_title" "$width" 60) -gt 200 ]] || fail "no field shows the accent frame"
near "$(colour_at "$left" "$middle")" 87,144,225 || fail "title bar starts with $(colour_at "$left" "$middle")"
near "$(colour_at "$right" "$middle")" 88,187,228 || fail "title bar ends with $(colour_at "$right" "$middle")"

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: gradient title bar and accent frame on the focused field"
