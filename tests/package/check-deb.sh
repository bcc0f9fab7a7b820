#!/usr/bin/env bash
# Checks a built Debian package without installing it: its dependencies, the
# files a desktop needs, that they validate, and that the packaged program
# answers --version and --help.   check-deb.sh PACKAGE.deb
set -euo pipefail

deb=$(realpath "$1")
app_id=example.corvalen.Corvalen
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

depends=$(dpkg-deb --field "$deb" Depends)
# From dpkg-shlibdeps, and the face the look needs.
[[ $depends == *libqt5widgets5* || $depends == *libqt6widgets6* ]] || fail "Depends lacks the Qt libraries: $depends"
[[ $depends == *libc6* ]] || fail "Depends lacks the C library: $depends"
[[ $depends == *"fonts-wqy-microhei | fonts-noto-cjk"* ]] || fail "Depends lacks the CJK font: $depends"

dpkg-deb --extract "$deb" "$unpacked"
for file in usr/bin/corvalen \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/128x128/apps/corvalen.png; do
    [[ -f $unpacked/$file ]] || fail "the package lacks /$file"
done
# Nothing of the build's tests or tools rides along.
extra=$(dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v -E '^\./(usr/?(bin/(corvalen)?|share/((applications|metainfo|icons)(/.*)?)?)?)?$' || true)
[[ -z $extra ]] || fail "unexpected files: $extra"

desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo launches another entry"
[[ $(identify -format '%m %wx%h' "$unpacked/usr/share/icons/hicolor/128x128/apps/corvalen.png") == "PNG 128x128" ]] \
    || fail "the icon is not a 128x128 PNG"

# --version and --help end the program before any window; an option of Qt's
# own goes by unharmed.
version=$(QT_QPA_PLATFORM=offscreen "$unpacked/usr/bin/corvalen" -style fusion --version)
[[ $version == "corvalen $(dpkg-deb --field "$deb" Version)" ]] || fail "--version printed '$version'"
QT_QPA_PLATFORM=offscreen "$unpacked/usr/bin/corvalen" --help | grep -q -- '--version' || fail "--help lists no --version"
# Any other option is ignored without a word: the program runs on until the
# timeout ends it. (The offscreen platform has remarks of its own.)
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$unpacked/usr/bin/corvalen" --no-such-option >"$unpacked/said" 2>&1 || status=$?
said=$(grep -v -e QStandardPaths -e propagateSizeHints "$unpacked/said" || true)
[[ $status == 124 && -z $said ]] || fail "an unknown option ended the program ($status) or made it say: $said"
echo "PASS: $(basename "$deb")"
