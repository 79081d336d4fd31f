#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Runs Quantell on a private X server as a person would and saves its windows as PNG files:
# the splash, the main window once the splash has gone, and the about window opened from it.
# A Windows build runs its unpacked zip under Wine and saves windows-splash.png and
# windows-main.png.
# Usage: scripts/screenshot.sh <builddir> [outdir]
source "$(dirname "$0")/lib.sh"
build="${1:?usage: scripts/screenshot.sh <builddir> [outdir]}"
out="$(realpath -m "${2:-$build/screenshots}")"
mkdir -p "$out"
start_x

if [[ -x $build/wine-run ]]; then
    zip=$(echo "$build"/Quantell-*-win64.zip)
    [[ -f $zip ]] || die "no zip in $build; make windows packs it"
    dir=$(mktemp -d)
    on_exit "rm -rf '$dir'"
    top=$(unpack_zip "$zip" "$dir")
    use_wine_prefix "$build/wineprefix"
    start_wine
    program=(wine "$top/quantell.exe") shots=(windows-splash windows-main)
else
    program=("$build/shell/quantell") shots=(splash main about)
fi

"${program[@]}" &
on_exit "kill $!"
shoot() {
    sleep 0.5 # the window paints
    import -window "$2" "$out/$1.png"
    echo "screenshot: $out/$1.png"
}
# The splash is the program's first window; on Linux it has no plain X title to look for.
splash=$(wait_window --classname '^quantell')
shoot "${shots[0]}" "$splash"
main=$(wait_window --name "$main_title")
wait_hidden "$splash" # it goes just after the main window comes
shoot "${shots[1]}" "$main"
if [[ ${#shots[@]} -gt 2 ]]; then
    about=$(open_about "$main")
    shoot "${shots[2]}" "$about"
fi
