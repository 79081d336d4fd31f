#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Checks that the portable zip, unpacked into an empty folder, holds our licence, Qt's Japanese
# catalogue and a notice for each of the other files, DLLs and plugins too; that a run of it
# loads no DLL but its own and Windows' (nothing of the build is on WINEPATH); and that a run of
# the build's program, which finds every DLL and plugin of Qt's, loads none that the zip lacks:
# the build gathers the DLLs from what the files link and names the plugins, and this run is the
# check that Qt loads no other. Each run goes through splash, main window and about window.
# ctest runs it on an X display (portable_zip).
# Usage: packaging/checks/check-zip.sh <zip> <wineprefix> <notices file name> <catalogue> <runner> <program>
source "$(dirname "$0")/../../scripts/lib.sh"
usage="usage: check-zip.sh <zip> <wineprefix> <notices file name> <catalogue> <runner> <program>"
zip=$(realpath "${1:?$usage}") notices=${3:?$usage} catalogue=${4:?$usage}
build_run=("${5:?$usage}" "${6:?$usage}")
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

# Runs the program "$@" through splash, main window and about window with Wine tracing the DLLs
# it loads, and sets loaded to those loaded from outside Windows' own folders, as Linux paths
# (Wine shows the Linux tree as drive Z:).
run_traced() {
    local pid main
    WINEDEBUG=-all,+loaddll "$@" >/dev/null 2>"$dir/loaded.log" &
    pid=$!
    on_exit "kill $pid 2>/dev/null"
    main=$(wait_window --name "$main_title")
    open_about "$main" >/dev/null
    kill "$pid"
    wait_hidden "$main"
    loaded=$(sed -n 's/.*Loaded L"\(.*\)" at .*: native$/\1/p' "$dir/loaded.log" |
        sed 's/\\\\/\//g' | grep -v -i '^C:/windows/' | sed 's/^Z://' | sort -u)
}

run_traced wine "$top/quantell.exe"
strangers=$(grep -v "^$top/" <<<"$loaded" || true)
[[ -z $strangers ]] || die "loaded from outside the zip: $strangers"
from_zip=$(grep -c -i '\.dll$' <<<"$loaded")

# A DLL of the build's run is the zip's by its name, a plugin by its folder and name.
run_traced "${build_run[@]}"
for dll in $(grep -i '\.dll$' <<<"$loaded"); do
    [[ $dll =~ /plugins/([^/]+/[^/]+)$ ]] && name=${BASH_REMATCH[1]} || name=${dll##*/}
    grep -q -x -F "$name" <<<"$others" || die "a run of the build loads $dll, which the zip lacks"
done
echo "check-zip: the unpacked zip has the notices of its $dlls DLLs and other files, started on" \
    "its own ($from_zip of them loaded) and lacks none that a run of the build loads"
