#!/usr/bin/env bash
# Installs a built Debian package with apt into a clean Debian 12 root, made
# here with mmdebstrap and chroot, and opens the installed program's window
# on the display that with-display.sh provides:
#   with-display.sh install-clean-root.sh PACKAGE.deb CACHE-DIR
# The clean root and the packages apt fetches are kept in CACHE-DIR, so only
# the first run downloads much; every run installs into a fresh copy. What
# goes to the network is bounded, so that a mirror that hangs fails the test.
set -euo pipefail

source "$(dirname "$0")/../e2e/lib.sh"

deb=$(realpath "$1")
cache=$(realpath -m "$2")
[[ $(id -u) == 0 ]] || fail "making a root and chrooting into it needs root"
command -v mmdebstrap >/dev/null || fail "mmdebstrap is not installed"

mkdir -p "$cache/archives"
if [[ ! -f $cache/bookworm.tar ]]; then
    echo "Making a clean Debian 12 root (once)"
    rm -f "$cache/bookworm.tar.partial"
    timeout 900 mmdebstrap --quiet --variant=apt --format=tar bookworm "$cache/bookworm.tar.partial" http://deb.debian.org/debian
    mv "$cache/bookworm.tar.partial" "$cache/bookworm.tar"
fi

root=$(mktemp -d "$cache/root.XXXXXX")
cleanup() {
    [[ -n ${PROGRAM_PID:-} ]] && kill "$PROGRAM_PID" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$cache/bookworm.tar"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
cp -a "$cache/archives/." "$root/var/cache/apt/archives/" 2>/dev/null || true

root_environment=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8)
in_root() {
    chroot "$root" "${root_environment[@]}" "$@"
}
if ! { timeout 300 chroot "$root" "${root_environment[@]}" apt-get update -qq \
    && timeout 600 chroot "$root" "${root_environment[@]}" DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")"; } >"$root/apt.log" 2>&1; then
    cat "$root/apt.log" >&2
    fail "apt could not install the package"
fi
cp -a "$root/var/cache/apt/archives/"*.deb "$cache/archives/" 2>/dev/null || true

installed=$(in_root dpkg-query -W -f='${Package} ${Status}\n')
grep -q '^corvalen install ok installed$' <<<"$installed" || fail "corvalen is not installed"
grep -q -E '^fonts-(wqy-microhei|noto-cjk) install ok installed$' <<<"$installed" \
    || fail "no CJK font came with the package"
[[ $(in_root corvalen -platform offscreen --version) == "corvalen $(dpkg-deb --field "$deb" Version)" ]] \
    || fail "the installed corvalen answers --version wrongly"

# The X server's abstract socket reaches into the root without a mount. Each
# command execs the next, so the program keeps the process id started here.
mkdir -p "$root/tmp/runtime" && chmod 700 "$root/tmp/runtime"
start_program chroot "$root" "${root_environment[@]}" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/runtime \
    QT_QPA_PLATFORM=xcb corvalen
wmctrl -c Corvalen
expect_exit_code 0
echo "PASS: $(basename "$deb") installs into a clean Debian 12 root and opens its window"
