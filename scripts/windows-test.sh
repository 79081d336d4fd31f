#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Runs every test of a Windows build under Wine on a private X server, with one Wine server
# kept up for all of them; then the window-look tests once more at 144 dots per inch, as a
# display set to 150 % has it.
# Usage: scripts/windows-test.sh <builddir>
source "$(dirname "$0")/lib.sh"
build=${1:?usage: scripts/windows-test.sh <builddir>}
[[ -x $build/wine-run ]] || die "$build is no Windows build (scripts/windows-build.sh makes one)"
start_x
use_wine_prefix "$build/wineprefix"
start_wine
desktop='HKCU\Control Panel\Desktop'
wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true # left by a killed run
ctest --test-dir "$build" --output-on-failure || die "tests of $build failed"

# Only a build with windows has them.
looks=$(ctest --test-dir "$build" -N -R '^Look\.' | grep -c 'Test *#') || exit 0
echo "windows-test: the window-look tests ($looks) once more at 144 dpi"
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
on_exit "wine reg delete '$desktop' /v LogPixels /f >/dev/null"
ctest --test-dir "$build" --output-on-failure -R '^Look\.' || die "the window look failed at 144 dpi"
