#!/usr/bin/env bash
# The README's two commands on a fresh Debian 12, as a new developer runs
# them: this checkout's committed HEAD, cloned into a fresh copy of a minimal
# root where nothing of ours is installed (tools/debian-root.sh), then as
# root there
#   tools/dev run            until the program's main window is mapped, which
#                            is then closed as a person would;
#   CI=true tools/dev test   to the end.
# The first command shows its window on the display that with-display.sh
# provides; the second starts its own displays inside the root.
#   with-display.sh fresh-debian.sh CACHE-DIR
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tests/e2e/lib.sh"
source "$here/debian-root.sh"

# Installing, building and testing from nothing takes minutes; a mirror or a
# build that hangs must still end the run.
run_limit=2400

debian_root_unpack "$1"
cleanup() {
    [[ -n ${PROGRAM_PID:-} ]] && kill "$PROGRAM_PID" 2>/dev/null || true
    debian_root_remove
}
trap cleanup EXIT
checkout=/root/corvalen
git clone --quiet "$here/.." "$DEBIAN_ROOT$checkout"

echo "fresh Debian 12: tools/dev run"
mkdir -p "$DEBIAN_ROOT/tmp/runtime" && chmod 700 "$DEBIAN_ROOT/tmp/runtime"
# The shell stays the root's first process, which takes in and reaps
# orphaned processes, as init does on a machine.
timeout "$run_limit" "${IN_DEBIAN_ROOT[@]}" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/runtime \
    sh -c "cd $checkout && tools/dev run" &
PROGRAM_PID=$!
until xdotool search --onlyvisible --limit 1 --name '^Corvalen$' >/dev/null 2>&1; do
    kill -0 "$PROGRAM_PID" 2>/dev/null || { wait "$PROGRAM_PID" || true; fail "tools/dev run ended before its window showed"; }
    sleep 1
done
wmctrl -c Corvalen
expect_exit_code 0
PROGRAM_PID=

echo "fresh Debian 12: CI=true tools/dev test"
timeout "$run_limit" "${IN_DEBIAN_ROOT[@]}" CI=true sh -c "cd $checkout && tools/dev test" \
    || fail "tools/dev test failed on a fresh Debian 12"
echo "PASS: on a fresh Debian 12, tools/dev run opened the program's window and tools/dev test passed"
