#!/usr/bin/env bash
# What the Orca screen reader says to a keyboard user: an empty field's label
# on Tab, the distance once the second point is typed, and the About card's
# texts and close button on its first and its second opening. Orca runs
# without a voice and writes what it says to its debug log. Runs on a session
# bus of its own, started for this test only.
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} && -n ${CORVALEN_OWN_BUS:-} ]] \
    || exec env CORVALEN_OWN_BUS=1 dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"

home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_DATA_HOME=$home/data
export XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The accessibility bus, and the switch that desktops turn on for Orca.
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
a11y_bus() { dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null; }
WAIT_SECONDS=20 wait_until a11y_bus

# Orca writes its log through Python's buffer; line by line, each line is
# there to read once it is said.
mkdir "$home/python"
cat >"$home/python/sitecustomize.py" <<'PYTHON'
import builtins
_open = builtins.open
def _by_line(file, mode='r', buffering=-1, *args, **kwargs):
    if isinstance(file, str) and file.endswith('orca.log') and 'w' in mode and buffering == -1:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _by_line
PYTHON
LOG=$home/orca.log
# Orca runs once per user: started while another runs (a developer's own, or
# another run of this test), it refuses and ends.
no_other_orca() { ! pgrep -u "$(id -u)" -x orca >/dev/null; }
WAIT_SECONDS=300 wait_until no_other_orca
PYTHONPATH=$home/python orca -d speech --debug-file="$LOG" >"$home/orca.out" 2>&1 &
orca_pid=$!
orca_ready() {
    grep -q "Screen reader on" "$LOG" 2>/dev/null && return 0
    kill -0 "$orca_pid" 2>/dev/null || fail "Orca ended: $(cat "$home/orca.out")"
    return 1
}
WAIT_SECONDS=60 wait_until orca_ready

# listed: true while the accessibility registry lists the program.
listed() {
    timeout 10 /usr/bin/python3 - "$PROGRAM_PID" <<'PYTHON'
import sys, pyatspi
pids = [app.get_process_id() for app in pyatspi.Registry.getDesktop(0) if app is not None]
sys.exit(0 if int(sys.argv[1]) in pids else 1)
PYTHON
}

# Qt finds the accessibility bus by the root window's AT_SPI_BUS, which the
# bus launcher sets (its other way, through the session bus, leaves the
# program unregistered here); with-display.sh's X server never resets, which
# would drop the property. Registration is asynchronous: wait for the listing.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$1"
WAIT_SECONDS=20 wait_until listed

# mark: what Orca says from here on counts for the next expect_said.
mark() { MARK=$(wc -l <"$LOG"); }
said() { tail -n +"$((MARK + 1))" "$LOG" | grep "SPEECH OUTPUT: '" | grep -qF "$1"; }
# expect_said TEXT: Orca says TEXT, at most 30 s after the mark.
expect_said() {
    for _ in $(seq 300); do
        said "$1" && return 0
        sleep 0.1
    done
    fail "Orca did not say \"$1\"; it said:"$'\n'"$(tail -n +"$((MARK + 1))" "$LOG" | grep 'SPEECH OUTPUT')"
}

MARK=0
expect_said "点1： text"
xdotool type --delay 40 30.5,120.3
mark
xdotool key Tab
expect_said "点2： text"
mark
xdotool type --delay 40 31.2,121.5
expect_said "距离(KM)：138.65"
mark
xdotool key Tab Tab
expect_said "关于 push button"

for key in space Return; do
    mark
    xdotool key "$key"
    expect_said "V1.0 Build2020511"
    mark
    xdotool key Tab
    expect_said "关闭 push button"
    mark
    xdotool key Escape
    expect_said "关于 push button"
done

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: Orca reads empty fields, the distance and the About card, each time it opens"
