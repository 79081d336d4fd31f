#!/usr/bin/env bash
# Checks that the portable zip, unpacked into an empty folder, holds our licence and a notice
# for each of its DLLs, plugins too, and starts with nothing but its own DLLs (nothing of the
# build is on WINEPATH). ctest runs it on an X display (portable_zip).
# Usage: packaging/checks/check-zip.sh <zip> <wineprefix> <notices file name>
source "$(dirname "$0")/../../scripts/lib.sh"
usage="usage: check-zip.sh <zip> <wineprefix> <notices file name>"
zip=$(realpath "${1:?$usage}") notices=${3:?$usage}
use_wine_prefix "${2:?$usage}"
dir=$(mktemp -d "${zip%/*}/check-zip.XXXX")
on_exit "rm -rf '$dir'"
cmake -E chdir "$dir" cmake -E tar xf "$zip"

# The notices list each DLL by its path in the package, alone on a line.
top=$(dirname "$dir"/*/quantell.exe)
[[ -f $top/LICENSE.txt ]] || die "no LICENSE.txt beside quantell.exe"
listed=$(tr -d '\r' <"$top/$notices") || die "no $notices beside quantell.exe"
dlls=$(cd "$top" && find . -iname '*.dll' | sed 's|^\./||')
for dll in $dlls; do
    grep -q -x -F "${dll//\//\\}" <<<"$listed" || die "$dll has no notice in $notices"
done

WINEDEBUG=-all,+loaddll wine "$dir"/*/quantell.exe 2>"$dir/loaded.log" &
on_exit "kill $!"
wait_window --name "$main_title" >/dev/null
loaded=$(loaded_dlls "$dir/loaded.log")
strangers=$(grep -v "^$dir/" <<<"$loaded" || true)
[[ -z $strangers ]] || die "loaded from outside the zip: $strangers"
echo "check-zip: the unpacked zip has the notices of its $(wc -l <<<"$dlls") DLLs and started" \
    "on its own ($(wc -l <<<"$loaded") DLLs loaded)"
