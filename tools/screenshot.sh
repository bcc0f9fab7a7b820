#!/usr/bin/env bash
# Takes the README's pictures: starts the program in a virtual X server with
# openbox and a compositing manager (without one the translucent shadow
# margins show black), waits for the focused first field and saves the window
# with its shadow margin; then opens the About card and saves it over the
# dimmed window as about.png next to the first picture.
#   tools/screenshot.sh [EXECUTABLE] [OUTPUT]
# Defaults: build/app/corvalen and docs/main-window.png.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
executable=$(realpath "${1:-$root/build/app/corvalen}")
output=$(realpath -m "${2:-$root/docs/main-window.png}")

if [[ -z ${CORVALEN_SCREENSHOT_DISPLAY:-} ]]; then
    exec env CORVALEN_SCREENSHOT_DISPLAY=1 "$root/tools/with-display.sh" "$0" "$executable" "$output"
fi

source "$root/tests/e2e/lib.sh"
xsetroot -solid '#d5dbe3'
start_compositor
trap 'kill "$COMPOSITOR_PID" 2>/dev/null || true' EXIT

start_program "$executable"
read -r x y width height < <(window_geometry "$WINDOW")
# Let the compositor and the caret settle; there is nothing to poll for.
sleep 1
mkdir -p "$(dirname "$output")"
import -window root -crop "${width}x${height}+${x}+${y}" +repage -strip "$output"
echo "wrote $output"

card=$(open_about "$WINDOW")
read -r card_x card_y card_width card_height < <(window_geometry "$card")
sleep 1
# The card reaches above the window: take both.
top=$((card_y < y ? card_y : y))
bottom=$((card_y + card_height > y + height ? card_y + card_height : y + height))
about=$(dirname "$output")/about.png
import -window root -crop "${width}x$((bottom - top))+${x}+${top}" +repage -strip "$about"
kill "$PROGRAM_PID"
echo "wrote $about"
