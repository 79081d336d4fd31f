#!/usr/bin/env bash
# Checks that the portable zip, unpacked into an empty folder, holds our licence, Qt's Japanese
# catalogue and a notice for each of the other files, DLLs and plugins too, and starts with
# nothing but its own DLLs (nothing of the build is on WINEPATH). ctest runs it on an X display
# (portable_zip).
# Usage: packaging/checks/check-zip.sh <zip> <wineprefix> <notices file name> <catalogue>
source "$(dirname "$0")/../../scripts/lib.sh"
usage="usage: check-zip.sh <zip> <wineprefix> <notices file name> <catalogue>"
zip=$(realpath "${1:?$usage}") notices=${3:?$usage} catalogue=${4:?$usage}
use_wine_prefix "${2:?$usage}"
dir=$(mktemp -d "${zip%/*}/check-zip.XXXX")
on_exit "rm -rf '$dir'"
top=$(unpack_zip "$zip" "$dir")

# The notices list each file by its path in the package, alone on a line.
[[ -f $top/LICENSE.txt ]] || die "no LICENSE.txt beside quantell.exe"
[[ -f $top/$catalogue ]] || die "no $catalogue beside quantell.exe: Qt's texts would be English"
listed=$(tr -d '\r' <"$top/$notices") || die "no $notices beside quantell.exe"
others=$(cd "$top" && find . -type f ! -name LICENSE.txt ! -name "$notices" | sed 's|^\./||')
for file in $others; do
    grep -q -x -F "${file//\//\\}" <<<"$listed" || die "$file has no notice in $notices"
done
dlls=$(grep -c -i '\.dll$' <<<"$others")

WINEDEBUG=-all,+loaddll wine "$top/quantell.exe" 2>"$dir/loaded.log" &
on_exit "kill $!"
wait_window --name "$main_title" >/dev/null
loaded=$(loaded_dlls "$dir/loaded.log")
strangers=$(grep -v "^$dir/" <<<"$loaded" || true)
[[ -z $strangers ]] || die "loaded from outside the zip: $strangers"
echo "check-zip: the unpacked zip has the notices of its $dlls DLLs and other files and started" \
    "on its own ($(wc -l <<<"$loaded") DLLs loaded)"
