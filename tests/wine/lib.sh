# Helpers for scripts that drive the Windows build of the program under Wine.
# Sourced after tests/e2e/lib.sh; DISPLAY comes from with-display.sh and
# Wine's environment (WINEPREFIX, WINEPATH, QT_PLUGIN_PATH) from CTest.

# The Windows desktop always composites: the program keeps its shadow margin.
export SHADOW_MARGIN=12

wine_run=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)/wine-run

# Wine keeps its server and desktop process alive for a while after the
# program ends; they must not outlive this test's display.
trap 'wineserver -k 2>/dev/null || true' EXIT

# start_windows_program PROGRAM.exe: start_program for a Windows executable.
start_windows_program() {
    start_program "$wine_run" "$1"
}

# type_into_focused_field TEXT: types TEXT and reads it back. Right after
# the window is activated Wine may not yet route keys to it and drops the
# first ones; then the field is selected whole and typed again.
type_into_focused_field() {
    local attempt
    for attempt in 1 2 3; do
        xdotool type --delay 40 "$1"
        [[ $(copy_focused_field) == "$1" ]] && return 0
        echo "note: typed text got lost (attempt $attempt), typing again" >&2
        xdotool key --clearmodifiers ctrl+a
    done
    fail "could not type '$1' into the focused field"
}

# type_points_and_read_distance: types both points as a person would and
# prints what the distance field then holds, read through the clipboard.
type_points_and_read_distance() {
    type_into_focused_field '30.5,120.3'
    xdotool key Tab
    type_into_focused_field '31.2,121.5'
    xdotool key Tab
    copy_focused_field
}
