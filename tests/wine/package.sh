#!/usr/bin/env bash
# The portable zip, unpacked into a fresh folder with a space in its name,
# holds exactly what the program needs and runs from there with no Qt on
# Wine's search path. Usage: package.sh CPACK CPackConfig.cmake OBJDUMP QT_MAJOR
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/lib.sh"
cpack=$1 config=$2 objdump=$3 qt=$4

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$cpack" -G ZIP --config "$config" -B "$work/out" >"$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack failed"; }
zips=("$work"/out/*.zip)
[[ ${#zips[@]} == 1 && -f ${zips[0]} ]] || fail "cpack made no single zip"
folder="$work/fresh folder"
mkdir "$folder"
(cd "$folder" && cmake -E tar xf "${zips[0]}")
top=("$folder"/*)
[[ ${#top[@]} == 1 && -d ${top[0]} ]] || fail "the zip does not hold one folder"
cd "${top[0]}"

expected="Qt${qt}Core.dll
Qt${qt}Gui.dll
Qt${qt}Widgets.dll
corvalen.exe
libgcc_s_seh-1.dll
libstdc++-6.dll
libwinpthread-1.dll
platforms/qwindows.dll
styles/qwindowsvistastyle.dll"
actual=$(find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[[ $actual == "$expected" ]] || fail "the zip holds"$'\n'"$actual"$'\n'"expected"$'\n'"$expected"

unset WINEPATH QT_PLUGIN_PATH
start_windows_program "$PWD/corvalen.exe"
distance=$(type_points_and_read_distance)
[[ $distance == 138.65 ]] || fail "distance field shows '$distance'"
wmctrl -c Corvalen
expect_exit_code 0

# Every DLL that a shipped file imports is shipped or is part of Windows
# (Wine's system folder stands in for it; an api-ms-win-* name is an API
# set, which Windows resolves to its own DLLs and Wine has no file for), and
# every shipped DLL outside the plugin folders is imported by something.
system32=$WINEPREFIX/drive_c/windows/system32
imports=$(for file in $actual; do
    "$objdump" -p "$file" | awk '/DLL Name:/ { print tolower($3) }'
done | LC_ALL=C sort -u)
for dll in $imports; do
    [[ $dll == api-ms-win-* ]] && continue
    shipped=$(find . -maxdepth 1 -iname "$dll" | head -1)
    [[ -n $shipped || -n $(find "$system32" -maxdepth 1 -iname "$dll" | head -1) ]] \
        || fail "$dll is imported but neither shipped nor part of Windows"
done
for file in *.dll; do
    grep -qx "$(tr '[:upper:]' '[:lower:]' <<<"$file")" <<<"$imports" || fail "$file is shipped but nothing imports it"
done
echo "PASS: the unpacked zip holds exactly what corvalen.exe needs, runs from a fresh folder and exits with 0"
