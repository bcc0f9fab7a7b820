# Helpers for end-to-end scripts that drive the real program under X.
# Sourced; expects DISPLAY to be set by with-display.sh.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_program EXECUTABLE [ARG...]: starts it (or a launcher that runs it),
# waits for its main window to show and focuses it. Sets PROGRAM_PID and WINDOW.
start_program() {
    "$@" &
    PROGRAM_PID=$!
    WINDOW=
    for _ in $(seq 300); do
        # A search that meets a window being destroyed (Wine makes and drops
        # some while starting) fails as a whole; it is simply asked again.
        WINDOW=$(xdotool search --onlyvisible --limit 1 --name '^Corvalen$' 2>/dev/null) && break
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before its window showed"
        sleep 0.1
    done
    [[ -n $WINDOW ]] || fail "the main window did not show"
    xdotool windowactivate --sync "$WINDOW"
    wait_until has_focus "$WINDOW"
}

# has_focus WINDOW: true while the window holds the keyboard focus.
has_focus() {
    [[ $(xdotool getwindowfocus) == "$1" ]]
}

# window_geometry WINDOW: prints "X Y WIDTH HEIGHT" of the window on screen.
window_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /Width/ { w = $NF }
        /Height/ { h = $NF }
        END { print x, y, w, h }'
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
# clipboard once it holds something.
copy_focused_field() {
    xdotool key --clearmodifiers ctrl+a ctrl+c
    local text=
    for _ in $(seq 50); do
        text=$(xclip -selection clipboard -o 2>/dev/null) && [[ -n $text ]] && break
        sleep 0.1
    done
    printf '%s\n' "$text"
}

# wait_until COMMAND [ARG...]: runs the command every 0.1 s until it
# succeeds, at most 10 s; fails the test with the command line otherwise.
wait_until() {
    for _ in $(seq 100); do
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
# height, lie outside the opaque central widget (the transparent band shows
# the black root window behind it, as there is no compositor).
central_inset() {
    local x y w h
    read -r x y w h < <(window_geometry "$1")
    import -window root -crop "40x1+$x+$((y + h / 2))" -depth 8 txt:- \
        | awk 'NR > 1 && $3 != "#000000" { sub(/,.*/, "", $1); print $1; exit }'
}

# pixel_at IMAGE X Y: prints "R G B" (0-255) of one pixel of a screenshot.
pixel_at() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]\n' info:
}

# open_about WINDOW: clicks the version button in the title bar of the main
# window WINDOW and prints the About card's window id once it is shown. The
# button is the first of the title bar's 24 px buttons: right margin 11, then
# close, minimise and version, 8 px apart.
open_about() {
    local x y w h
    read -r x y w h < <(window_geometry "$1")
    xdotool mousemove $((x + w - 12 - 11 - 24 - 8 - 24 - 8 - 12)) $((y + 12 + 24)) click 1
    xdotool search --sync --onlyvisible --limit 1 --name '^QAboutDlg$'
}
