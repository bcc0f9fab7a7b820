#!/usr/bin/env bash
# A screen reader reads the program through AT-SPI, the accessibility
# interface of Linux desktops: every control of the main window and of the
# About card is announced by a name in the program's language. Runs on a
# session bus of its own, started for this test only.
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} && -n ${CORVALEN_OWN_BUS:-} ]] \
    || exec env CORVALEN_OWN_BUS=1 dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"

# Qt talks to the accessibility bus only while a screen reader asks for it,
# or when told to always.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$1"

# read_tree: prints "role|name" for every accessible object of the program,
# as the screen reader's library sees it.
read_tree() {
    /usr/bin/python3 - "$PROGRAM_PID" <<'PYTHON'
import sys, time
import pyatspi

def program():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == int(sys.argv[1]):
                return app
        time.sleep(0.1)
    sys.exit("the program never appeared on the accessibility bus")

def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)

for node in descendants(program()):
    print(f"{node.getRoleName()}|{node.name}")
PYTHON
}

# expect_in_tree LINE...: each "role|name" is announced.
expect_in_tree() {
    local tree line
    tree=$(read_tree) || fail "could not read the accessibility tree"
    for line in "$@"; do
        grep -qxF "$line" <<<"$tree" || fail "no \"$line\" in the tree:"$'\n'"$tree"
    done
    # Whatever a screen reader can land on has a name.
    if grep -E '^(push button|text|dialog)\|$' <<<"$tree"; then
        fail "unnamed controls in the tree:"$'\n'"$tree"
    fi
}

expect_in_tree "push button|关于" "push button|最小化" "push button|关闭" \
    "text|点1：" "text|点2：" "text|距离(KM)："

# The card, opened with keys as a keyboard user would.
xdotool key Tab Tab Tab space
CARD=$(xdotool search --sync --onlyvisible --limit 1 --name '^QAboutDlg$')
wait_until has_focus "$CARD"
expect_in_tree "dialog|关于" "push button|关闭" "label|V1.0 Build2020511"
xdotool key Escape
card_gone() { ! xdotool search --onlyvisible --name '^QAboutDlg$' >/dev/null; }
wait_until card_gone

wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: the main window's controls and the About card read out by name through AT-SPI"
