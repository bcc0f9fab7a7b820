#!/usr/bin/env bash
# A person drags the window by its title bar, tries to drag it by a tool
# button, minimises it, brings it back and closes it with the close button.
source "$(dirname "$0")/lib.sh"

start_program "$1"
read -r x y w h < <(window_geometry "$WINDOW")

moved_by() {
    local nx ny _
    read -r nx ny _ < <(window_geometry "$WINDOW")
    near "$((nx - x))" "$1" 1 && near "$((ny - y))" "$2" 1
}

# Drag the title text by (100, 60) in ten steps: the window keeps the point
# it was grabbed by, the first step included.
drag_steps $((x + 70)) $((y + 36)) 100 60 moved_by 100 60
read -r x y w h < <(window_geometry "$WINDOW")

# One small step, then far, as a quick hand does.
xdotool mousemove $((x + 70)) $((y + 36)) mousedown 1
xdotool mousemove $((x + 71)) $((y + 37))
xdotool mousemove $((x + 151)) $((y + 97))
wait_until follow_until $((x + 151)) $((y + 97)) moved_by 81 61
xdotool mouseup 1
read -r x y w h < <(window_geometry "$WINDOW")

# Press on the version button and drag: the window stays where it is,
# which is certain once the minimise button's later click has been taken.
read -r bx by < <(title_button "$WINDOW" version)
xdotool mousemove "$bx" "$by" mousedown 1
xdotool mousemove $((bx + 1)) $((by + 1))
xdotool mousemove $((x + w - 30)) $((y + 120))
xdotool mouseup 1

# The minimise button iconifies the window.
xdotool mousemove $(title_button "$WINDOW" minimise) click 1
iconic() { xprop -id "$WINDOW" WM_STATE | grep -q 'window state: Iconic'; }
wait_until iconic
xdotool windowactivate --sync "$WINDOW"
wait_until sh -c "xprop -id $WINDOW WM_STATE | grep -q 'window state: Normal'"
moved_by 0 0 || fail "dragging a tool button moved the window to $(window_geometry "$WINDOW")"

# The close button ends the program.
xdotool mousemove $(title_button "$WINDOW" close) click 1
expect_exit_code 0
echo "PASS: exact title drags, tool-button drag, minimise and close"
