#!/usr/bin/env bash
# The installer as a silent deployment and a user meet it, under Wine in a
# fresh prefix: installed twice (the second time over the first), it leaves
# the zip's files in the user's program folder, a Start-menu shortcut and an
# uninstall entry, and nothing anywhere else; the program started from the
# shortcut computes a distance; the uninstaller refuses to touch it while it
# runs, and afterwards removes everything the installer made. Started by
# hand, its pages speak the user's language beside our own pictures.
# Usage: installer.sh CPACK CPackConfig.cmake WINDRES IMAGES
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
cpack=$1 config=$2 windres=$3 images=$4
logo=$images/logo.ico

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$cpack" -G "ZIP;NSIS" --config "$config" -B "$work/out" >"$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack failed"; }
installer=$(echo "$work"/out/*.exe)
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$work"/out/*.zip)
zip_folder=$(echo "$work"/zip/*)

# The installer file shows the program's icon and version.
installer_resources=$("$windres" -J coff -i "$installer" -O rc)
# icon_data: the bytes of the first icon image, less its resource flags.
icon_data() {
    sed -n '/RT_ICON/,/^END/{/RT_ICON/!p}'
}
[[ $(icon_data <<<"$installer_resources") == "$(printf '1 ICON "%s"\n' "$logo" | "$windres" -O rc | icon_data)" ]] \
    || fail "the installer's icon is not the program's"
grep -q '"ProductVersion", "1.0"' <<<"$installer_resources" || fail "the installer carries no version 1.0"

rm -rf "$WINEPREFIX"
# The installed program finds its DLLs beside itself.
unset WINEPATH QT_PLUGIN_PATH
# settle: waits until every process of the prefix has ended (the uninstaller
# finishes in a copy of itself) and Wine has written its registry files.
settle() {
    wineserver -w
}
# mentions FILE: how many lines of one of the prefix's registry files name
# the program (the prefix's own path may).
mentions() {
    grep -i -c corvalen "$WINEPREFIX/$1" || true
}
"$wine_run" wineboot --init
settle

# Chinese for a Chinese Windows, English for any other: the window's caption
# is in the language of its pages. The pictures the pages show are unpacked
# into the installer's temporary folder, and are ours. Wine takes the
# language from the locale, built here as the machine may have none.
export LOCPATH=$work/locales
# shows PICTURE: true once the installer has unpacked our PICTURE for its
# pages, which it does while its window comes up.
shows() {
    cmp -s "$images/installer-$1.bmp" "$WINEPREFIX"/drive_c/users/*/Temp/ns*.tmp/modern-$1.bmp
}
mkdir "$LOCPATH"
while read -r locale caption; do
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" || fail "could not build the $locale locale"
    LC_ALL=$locale.UTF-8 "$wine_run" "$installer" &
    shown_by=$!
    window=
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --limit 1 --name "^$caption\$" 2>/dev/null) && break
        kill -0 $shown_by 2>/dev/null || fail "the $locale installer ended before its window showed"
        sleep 0.1
    done
    [[ -n $window ]] || fail "no window '$caption' in $locale: $(wmctrl -l)"
    wait_until shows wizard
    wait_until shows header
    wmctrl -c "$caption"
    wait $shown_by || true
    settle
done <<LANGUAGES
zh_CN Corvalen 安装
de_DE Corvalen Setup
LANGUAGES
unset LOCPATH
# prefix_files: every file and folder of the prefix's drive, less the
# temporary folder, where the uninstaller leaves its empty working folder.
prefix_files() {
    find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/users/*/Temp" -prune -o -print | LC_ALL=C sort
}
clean_prefix=$(prefix_files)
clean_registry="$(mentions system.reg) $(mentions user.reg)"

"$wine_run" "$installer" /S || fail "the silent install failed"
"$wine_run" "$installer" /S || fail "installing over an installation failed"
settle

home="$WINEPREFIX/drive_c/users/$(id -un)"
folder="$home/AppData/Local/Programs/Corvalen"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Corvalen.lnk"
# The zip's files by name and size: stripping stamps each copy with the time.
files() {
    (cd "$1" && find . -type f -printf '%P %s\n' | LC_ALL=C sort)
}
[[ $(files "$folder" | grep -v '^uninstall\.exe ') == "$(files "$zip_folder")" ]] \
    || fail "the program folder holds"$'\n'"$(files "$folder")"$'\n'"the zip"$'\n'"$(files "$zip_folder")"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
added=$(LC_ALL=C comm -13 <(echo "$clean_prefix") <(prefix_files) \
    | grep -v -x -F -e "$shortcut" -e "$folder" -e "${folder%/*}" | grep -v -F "$folder/" || true)
[[ -z $added ]] || fail "the installer put files elsewhere:"$'\n'"$added"
[[ $(mentions system.reg) == "${clean_registry% *}" ]] || fail "the installer wrote to HKEY_LOCAL_MACHINE"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvalen'
entry=$("$wine_run" reg query "$key") || fail "no uninstall entry"
# value NAME: the data of one value of the uninstall entry.
value() {
    awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print }' <<<"$entry" | tr -d '\r'
}
location=$(value InstallLocation)
[[ $location =~ ^C:\\users\\[^\\]+\\AppData\\Local\\Programs\\Corvalen$ ]] || fail "installed in '$location'"
while read -r name expected; do
    [[ $(value "$name") == "$expected" ]] || fail "$name is '$(value "$name")', expected '$expected'"
done <<EXPECTED
DisplayName Corvalen
DisplayVersion 1.0
Publisher Orvessa
DisplayIcon $location\\corvalen.exe,0
UninstallString "$location\\uninstall.exe"
QuietUninstallString "$location\\uninstall.exe" /S
NoModify 0x1
NoRepair 0x1
EXPECTED
kib=$(du -s -k "$folder" | cut -f1)
size=$(($(value EstimatedSize)))
((size > kib * 9 / 10 && size < kib * 11 / 10)) || fail "EstimatedSize is $size KiB for a folder of $kib KiB"

# The shortcut leads to the installed program, which a person then uses.
target=$(grep -a -o -m 1 'C:\\[^[:cntrl:]]*\.exe' "$shortcut" | head -1)
[[ $target == "$location\corvalen.exe" ]] || fail "the shortcut leads to '$target'"
start_windows_program "$folder/corvalen.exe"
distance=$(type_points_and_read_distance)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"

# installation: what the uninstaller must leave whole while the program runs.
installation() {
    find "$folder" "$shortcut" | LC_ALL=C sort
    "$wine_run" reg query "$key"
}
installed=$(installation)
status=0
"$wine_run" "$folder/uninstall.exe" /S "_?=$location" || status=$?
[[ $status == 2 ]] || fail "the uninstaller ended with $status while the program ran, expected 2"
[[ $(installation) == "$installed" ]] || fail "the uninstaller changed the installation while the program ran"

wmctrl -c Corvalen
expect_exit_code 0

# As a deployment tool uninstalls: the entry's quiet command.
[[ $(value QuietUninstallString) =~ ^\"([^\"]+)\"\ (.+)$ ]] || fail "QuietUninstallString is not a quoted program with switches"
"$wine_run" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} || fail "the silent uninstall failed"
settle
left=$(diff <(echo "$clean_prefix") <(prefix_files) || true)
[[ -z $left ]] || fail "the uninstall left the drive changed:"$'\n'"$left"
[[ "$(mentions system.reg) $(mentions user.reg)" == "$clean_registry" ]] \
    || fail "the uninstall left keys:"$'\n'"$(grep -i corvalen "$WINEPREFIX"/*.reg)"
echo "PASS: installed silently twice in the user's folders alone; ran from the Start menu with 138.65 and exit code 0; the uninstaller kept the running program whole, then removed everything"
