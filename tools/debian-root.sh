# A clean Debian 12 root, as a machine where nothing of ours is installed.
# Sourced by scripts that run as root; expects fail() from tests/e2e/lib.sh.
#
# The root is made once with mmdebstrap, variant minbase (the packages every
# Debian system has, and apt), and kept as a tarball in a cache folder; every
# run unpacks a fresh copy of it below that folder. The packages apt fetches
# in a copy are kept in the cache too, so that only the first run downloads
# much. Making the root is bounded in time, so that a mirror that hangs fails.

# debian_root_unpack CACHE: unpacks a fresh copy below CACHE, with the cached
# packages in its apt cache and the host's name servers. Sets DEBIAN_ROOT,
# DEBIAN_ROOT_CACHE and IN_DEBIAN_ROOT, the command line that runs a command
# as root in the copy ("${IN_DEBIAN_ROOT[@]}" [NAME=VALUE...] COMMAND...):
# with a plain environment and the variables given, a /proc of its own and
# a process namespace of its own, so that nothing it starts outlives it.
debian_root_unpack() {
    DEBIAN_ROOT_CACHE=$(realpath -m "$1")
    [[ $(id -u) == 0 ]] || fail "making a root and chrooting into it needs root"
    command -v mmdebstrap >/dev/null || fail "mmdebstrap is not installed"
    mkdir -p "$DEBIAN_ROOT_CACHE/archives"
    local tarball=$DEBIAN_ROOT_CACHE/bookworm-minbase.tar
    if [[ ! -f $tarball ]]; then
        echo "Making a minimal Debian 12 root (once)"
        rm -f "$tarball.partial"
        timeout 900 mmdebstrap --quiet --variant=minbase --format=tar bookworm "$tarball.partial" \
            http://deb.debian.org/debian || fail "mmdebstrap could not make the root"
        mv "$tarball.partial" "$tarball"
    fi
    DEBIAN_ROOT=$(mktemp -d "$DEBIAN_ROOT_CACHE/root.XXXXXX")
    tar -C "$DEBIAN_ROOT" -xf "$tarball"
    cp /etc/resolv.conf "$DEBIAN_ROOT/etc/resolv.conf"
    # Hard links: the cache and the copies share one file system.
    cp -a -l -n "$DEBIAN_ROOT_CACHE/archives/." "$DEBIAN_ROOT/var/cache/apt/archives/"
    # An array rather than a function, so that timeout and exec can run it.
    IN_DEBIAN_ROOT=(unshare --mount --pid --fork --kill-child --mount-proc="$DEBIAN_ROOT/proc"
        chroot "$DEBIAN_ROOT" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8)
}

# debian_root_remove: keeps the packages apt fetched in the copy, then removes it.
debian_root_remove() {
    [[ -n ${DEBIAN_ROOT:-} && -d $DEBIAN_ROOT ]] || return 0
    cp -a -l -n "$DEBIAN_ROOT/var/cache/apt/archives/"*.deb "$DEBIAN_ROOT_CACHE/archives/" 2>/dev/null || true
    rm -rf "$DEBIAN_ROOT"
}
