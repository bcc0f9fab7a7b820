#!/usr/bin/env bash
# Installs a built Debian package with apt into a clean Debian 12 root
# (tools/debian-root.sh) and opens the installed program's window
# on the display that with-display.sh provides:
#   with-display.sh install-clean-root.sh PACKAGE.deb CACHE-DIR
# The clean root and the packages apt fetches are kept in CACHE-DIR; every run
# installs into a fresh copy. What goes to the network is bounded, so that a
# mirror that hangs fails the test.
set -euo pipefail

source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../../tools/debian-root.sh"

deb=$(realpath "$1")
debian_root_unpack "$2"
cleanup() {
    [[ -n ${PROGRAM_PID:-} ]] && kill "$PROGRAM_PID" 2>/dev/null || true
    debian_root_remove
}
trap cleanup EXIT
cp "$deb" "$DEBIAN_ROOT/tmp/"

if ! { timeout 300 "${IN_DEBIAN_ROOT[@]}" apt-get update -qq \
    && timeout 600 "${IN_DEBIAN_ROOT[@]}" DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")"; } >"$DEBIAN_ROOT/apt.log" 2>&1; then
    cat "$DEBIAN_ROOT/apt.log" >&2
    fail "apt could not install the package"
fi

installed=$("${IN_DEBIAN_ROOT[@]}" dpkg-query -W -f='${Package} ${Status}\n')
grep -q '^corvalen install ok installed$' <<<"$installed" || fail "corvalen is not installed"
grep -q -E '^fonts-(wqy-microhei|noto-cjk) install ok installed$' <<<"$installed" \
    || fail "no CJK font came with the package"
[[ $("${IN_DEBIAN_ROOT[@]}" corvalen -platform offscreen --version) == "corvalen $(dpkg-deb --field "$deb" Version)" ]] \
    || fail "the installed corvalen answers --version wrongly"

# The X server's abstract socket reaches into the root without a mount. The
# program ends with the process started here.
mkdir -p "$DEBIAN_ROOT/tmp/runtime" && chmod 700 "$DEBIAN_ROOT/tmp/runtime"
start_program "${IN_DEBIAN_ROOT[@]}" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/runtime \
    QT_QPA_PLATFORM=xcb corvalen
wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: $(basename "$deb") installs into a clean Debian 12 root and opens its window"
