#!/usr/bin/env bash
# Checks that the portable zip, unpacked into an empty folder, starts with nothing but its own
# DLLs (nothing of the build is on WINEPATH). ctest runs it on an X display (portable_zip).
# Usage: packaging/checks/check-zip.sh <zip> <wineprefix>
source "$(dirname "$0")/../../scripts/lib.sh"
zip=$(realpath "${1:?usage: check-zip.sh <zip> <wineprefix>}")
use_wine_prefix "${2:?usage: check-zip.sh <zip> <wineprefix>}"
dir=$(mktemp -d "${zip%/*}/check-zip.XXXX")
on_exit "rm -rf '$dir'"
cmake -E chdir "$dir" cmake -E tar xf "$zip"
WINEDEBUG=-all,+loaddll wine "$dir"/*/quantell.exe 2>"$dir/loaded.log" &
on_exit "kill $!"
wait_window --name "$main_title" >/dev/null
loaded=$(loaded_dlls "$dir/loaded.log")
strangers=$(grep -v "^$dir/" <<<"$loaded" || true)
[[ -z $strangers ]] || die "loaded from outside the zip: $strangers"
echo "check-zip: the unpacked zip started on its own ($(wc -l <<<"$loaded") DLLs)"
