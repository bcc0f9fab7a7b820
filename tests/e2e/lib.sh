# Helpers for end-to-end scripts that drive the real program under X.
# Sourced; expects DISPLAY to be set by with-display.sh.
set -euo pipefail

# on_wayland: true when the program is a Wayland client of weston, which runs
# in one X window covering the screen (with-display.sh, CORVALEN_WAYLAND=1).
# xdotool still drives the pointer and keys, through weston; but the program
# has no X window, so its main window is found by its pixels.
on_wayland() {
    [[ -n ${WAYLAND_DISPLAY:-} ]]
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_program EXECUTABLE [ARG...]: starts it (or a launcher that runs it),
# waits for its main window to show and focuses it. Sets PROGRAM_PID and WINDOW
# (on Wayland the word "main", which window_geometry understands).
start_program() {
    PROGRAM_LOG=$(mktemp)
    "$@" 2> >(tee "$PROGRAM_LOG" >&2) &
    PROGRAM_PID=$!
    WINDOW=
    for _ in $(seq 300); do
        if on_wayland; then
            window_geometry main >/dev/null && WINDOW=main && break
        else
            # A search that meets a window being destroyed (Wine makes and
            # drops some while starting) fails as a whole; it is simply
            # asked again.
            WINDOW=$(xdotool search --onlyvisible --limit 1 --name '^Corvalen$' 2>/dev/null) && break
        fi
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before its window showed: $(cat "$PROGRAM_LOG")"
        sleep 0.1
    done
    [[ -n $WINDOW ]] || fail "the main window did not show"
    # weston focuses a window as it maps it; a client cannot ask for that.
    on_wayland && return
    xdotool windowactivate --sync "$WINDOW"
    wait_until has_focus "$WINDOW"
}

# has_focus WINDOW: true while the window holds the keyboard focus.
has_focus() {
    [[ $(xdotool getwindowfocus) == "$1" ]]
}

# window_geometry WINDOW: prints "X Y WIDTH HEIGHT" of the window on screen.
# On Wayland only the main window, read from a screenshot: inside its shadow
# margin, the title bar's gradient within a 1-pixel dark border, and below it
# the body, a run of one colour down to the shadow. Fails while the window's
# title bar is not in sight (or dimmed).
window_geometry() {
    if on_wayland; then
        [[ $1 == main ]] || fail "window_geometry: no window '$1' on Wayland"
        local shot left top width height margin
        shot=$(mktemp --suffix=.png)
        import -window root "$shot"
        if read -r left top width < <(title_strip "$shot"); then
            height=$(convert "$shot" -crop "1x100000+$((left + 1))+$top" -depth 8 txt:- | awk -F'[(),]+' '
                NR == 1 { next }
                { pixel = $3 " " $4 " " $5 }
                !body && $3 < 150 && $5 > 200 { next }
                !body && !border { border = 1; next }
                !body { body = pixel }
                body && pixel != body && !height { height = NR - 1 }
                END { print height }')
        fi
        rm -f "$shot"
        [[ ${height:-} -gt 0 ]] || return 1
        margin=$(shadow_margin)
        echo "$((left - 1 - margin)) $((top - 1 - margin)) $((width + 2 + 2 * margin)) $((height + 2 * margin))"
        return
    fi
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /Width/ { w = $NF }
        /Height/ { h = $NF }
        END { print x, y, w, h }'
}

# title_strip SCREENSHOT: prints "X Y WIDTH" of the blue title gradient of
# the window in front, the main window's or the About card's; a dimmed one is
# no longer that blue. Fails when there is none. A focused field's frame, of
# the same blue, lies within the main window's title's width.
title_strip() {
    local box
    box=$(convert "$1" -fuzz 6% -fill black +opaque 'rgb(88,166,227)' -fuzz 0 -fill white +opaque black \
        -format %@ info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+([0-9]+)$ ]] && ((BASH_REMATCH[1] > 0)) || return 1
    echo "${BASH_REMATCH[2]} ${BASH_REMATCH[3]} ${BASH_REMATCH[1]}"
}

# expect_exit_code CODE: waits for the program to end, at most 20 s.
expect_exit_code() {
    local status=0
    for _ in $(seq 200); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end"
    wait "$PROGRAM_PID" || status=$?
    [[ $status == "$1" ]] || fail "exit code $status, expected $1"
}

# copy_focused_field: selects all in the focused field, copies it, prints the
# clipboard once it holds something. The clipboard is emptied first, so that
# what an earlier step left there is not taken for the field's text.
copy_focused_field() {
    local text= paste=(xclip -selection clipboard -o) clear=(xclip -selection clipboard)
    on_wayland && paste=(wl-paste --no-newline) clear=(wl-copy --clear)
    # The clipboard's server keeps running: it must not hold the caller's output.
    printf '' | "${clear[@]}" >/dev/null 2>&1
    xdotool key --clearmodifiers ctrl+a ctrl+c
    for _ in $(seq 50); do
        text=$("${paste[@]}" 2>/dev/null) && [[ -n $text ]] && break
        sleep 0.1
    done
    printf '%s\n' "$text"
}

# typed_distance POINT POINT: types the points into the first field, which
# holds the focus, and the second, then prints what the distance field shows.
typed_distance() {
    xdotool type --delay 40 "$1"
    xdotool key Tab
    xdotool type --delay 40 "$2"
    xdotool key Tab
    copy_focused_field
}

# wait_until COMMAND [ARG...]: runs the command every 0.1 s until it
# succeeds, at most WAIT_SECONDS (10 unless set); fails the test with the
# command line otherwise.
wait_until() {
    for _ in $(seq $((${WAIT_SECONDS:-10} * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for: $*"
}

# near A B [TOLERANCE]: true when two pixel values differ by at most TOLERANCE
# (2 unless given: a window manager's move or resize starts where the
# pointer's first motion ended).
near() {
    local difference=$(($1 - $2)) tolerance=${3:-2}
    ((difference >= -tolerance && difference <= tolerance))
}

# central_inset WINDOW: how many pixels of the window's left edge, at half its
# height, lie outside the light opaque central widget (the transparent band
# shows the dark desktop, or the shadow over the compositor's grey one).
central_inset() {
    local x y w h
    read -r x y w h < <(window_geometry "$1")
    import -window root -crop "40x1+$x+$((y + h / 2))" -depth 8 txt:- \
        | awk -F'[(),]+' 'NR > 1 && $4 > 200 { print NR - 2; exit }'
}

# pixel_at IMAGE X Y: prints "R G B" (0-255) of one pixel of a screenshot.
pixel_at() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]\n' info:
}

# compositing: true while a compositing manager runs on the display; a
# Wayland compositor always is one.
compositing() {
    on_wayland || xwininfo -root -children | grep -q '"xcompmgr"'
}

# start_compositor / stop_compositor: a compositing manager comes and goes.
start_compositor() {
    xcompmgr &
    COMPOSITOR_PID=$!
    wait_until compositing
}
stop_compositor() {
    kill "$COMPOSITOR_PID"
    wait "$COMPOSITOR_PID" 2>/dev/null || true
    wait_until eval '! compositing'
}

# shadow_margin: the width of the main window's shadow margin, 12 where
# translucent pixels blend with the desktop and 0 where they would show
# black. SHADOW_MARGIN overrides it (Windows programs always keep it).
shadow_margin() {
    if [[ -n ${SHADOW_MARGIN:-} ]]; then
        echo "$SHADOW_MARGIN"
    elif compositing; then
        echo 12
    else
        echo 0
    fi
}

# title_button WINDOW close|minimise|version: prints the screen point at the
# middle of a title-bar button of the main window WINDOW. The buttons are
# 24 px, centred in the 48 px bar: right margin 11, then close, minimise and
# version, 8 px apart; all of it times the display's scale (DISPLAY_SCALE,
# else QT_SCALE_FACTOR).
title_button() {
    local x y w h margin index
    read -r x y w h < <(window_geometry "$1")
    margin=$(shadow_margin)
    case $2 in
    close) index=0 ;;
    minimise) index=1 ;;
    version) index=2 ;;
    *) fail "no title-bar button $2" ;;
    esac
    awk -v s="${DISPLAY_SCALE:-${QT_SCALE_FACTOR:-1}}" -v right=$((x + w)) -v top="$y" -v m="$margin" -v i="$index" \
        'BEGIN { printf "%d %d\n", right - s * (m + 11 + 12 + 32 * i), top + s * (m + 24) }'
}

# open_about WINDOW: clicks the version button of the main window WINDOW and
# prints the About card's window id once it is shown.
open_about() {
    xdotool mousemove $(title_button "$1" version) click 1
    timeout 10 xdotool search --sync --onlyvisible --limit 1 --name '^QAboutDlg$' \
        || fail "the About card did not open"
}

# dimmed BEFORE AFTER POINT...: true when at each point ("X Y") the screenshot
# AFTER shows the colour of BEFORE under the About card's overlay, black at
# alpha 100: every channel at 155/255 of before, within 3.
dimmed() {
    local before=$1 after=$2 point channel expected was now
    shift 2
    for point; do
        read -r -a was < <(pixel_at "$before" $point)
        read -r -a now < <(pixel_at "$after" $point)
        for channel in 0 1 2; do
            expected=$((was[channel] * 155 / 255))
            ((now[channel] - expected <= 3 && expected - now[channel] <= 3)) || return 1
        done
    done
}

# unchanged BEFORE AFTER POINT...: true when at each point the screenshot
# AFTER shows the colour of BEFORE.
unchanged() {
    local before=$1 after=$2 point
    shift 2
    for point; do
        [[ $(pixel_at "$after" $point) == "$(pixel_at "$before" $point)" ]] || return 1
    done
}

# covers_screen DESKTOP: true when no pixel at the screen's corners and edge
# middles has the grey DESKTOP level (or the faint shadow over it).
covers_screen() {
    local shot point r g b width height
    shot=$(mktemp --suffix=.png)
    import -window root "$shot"
    read -r width height < <(identify -format '%w %h' "$shot")
    for point in "0 0" "$((width / 2)) 0" "$((width - 1)) 0" "0 $((height / 2))" \
                 "$((width - 1)) $((height / 2))" "0 $((height - 1))" "$((width / 2)) $((height - 1))" \
                 "$((width - 1)) $((height - 1))"; do
        read -r r g b < <(pixel_at "$shot" $point)
        ((r == g && g == b && r > $1 - 20 && r < $1 + 20)) && { rm -f "$shot"; return 1; }
    done
    rm -f "$shot"
}

# card_centred WINDOW CARD [SCALE]: true when the About card's visible part
# (inside its 10, 5, 10, 15 px shadow band, scaled) is centred on the main
# window's content, within 1 px; within one logical pixel at a fractional
# scale, where Qt places windows on whole logical pixels.
card_centred() {
    local x y w h cx cy cw ch offset tolerance
    read -r x y w h < <(window_geometry "$1")
    read -r cx cy cw ch < <(window_geometry "$2")
    read -r offset tolerance < <(awk -v s="${3:-1}" \
        'BEGIN { t = int(s); if (t < s) t++; printf "%d %d\n", 5 * s + 0.5, t == s ? 1 : t }')
    near $((cx + cw / 2)) $((x + w / 2)) "$tolerance" && near $((cy + ch / 2 - offset)) $((y + h / 2)) "$tolerance"
}

# drag_steps X Y DX DY [COMMAND [ARG...]]: presses the left button at X,Y,
# moves by DX,DY in ten equal steps, as a hand does, and releases; with a
# command, only once the pointer has made the window get where the command
# says (follow_until).
drag_steps() {
    local step end_x=$(($1 + $3)) end_y=$(($2 + $4))
    xdotool mousemove "$1" "$2" mousedown 1
    for step in $(seq 10); do
        xdotool mousemove $(($1 + $3 * step / 10)) $(($2 + $4 * step / 10))
        sleep 0.03
    done
    shift 4
    (($# == 0)) || wait_until follow_until "$end_x" "$end_y" "$@"
    xdotool mouseup 1
}

# follow_until X Y COMMAND [ARG...]: moves the pointer a pixel off X,Y and
# back, then runs the command. A window manager takes a drag a moment after
# the first motion and follows only the motions after that: on a loaded
# machine the last one may come before it, and the window would wait where
# it is for the next.
follow_until() {
    xdotool mousemove $(($1 + 1)) "$2" mousemove "$1" "$2"
    shift 2
    "$@"
}
