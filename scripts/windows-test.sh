#!/usr/bin/env bash
# Runs every test of a Windows build under Wine on a private X server, with one Wine server
# kept up for all of them.
# Usage: scripts/windows-test.sh <builddir>
source "$(dirname "$0")/lib.sh"
build=${1:?usage: scripts/windows-test.sh <builddir>}
[[ -x $build/wine-run ]] || die "$build is no Windows build (scripts/windows-build.sh makes one)"
start_x
use_wine_prefix "$build/wineprefix"
start_wine
ctest --test-dir "$build" --output-on-failure || die "tests of $build failed"
