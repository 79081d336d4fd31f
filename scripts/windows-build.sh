#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Cross-builds Quantell for Windows with MinGW-w64 into build/windows and packs quantell.exe
# with the DLLs it links and the plugins Qt loads, which the build gathers into runtime/
# (packaging/runtime.cmake): the portable zip, the installer and the setup program, with the
# source archive their notices name and SHA256SUMS of the four beside them.
# With "engine", only the engine and its tests, which need no Qt, into build/windows-engine.
# Every program of a build runs through <build>/wine-run, which CMake writes (cmake/wine.cmake).
# Usage: scripts/windows-build.sh [engine]
source "$(dirname "$0")/lib.sh"
cd "$(dirname "$0")/.."
root=$PWD
if [[ ${1:-} == engine ]]; then
    scripts/setup.sh windows-engine
    build=build/windows-engine gui=OFF
else
    scripts/setup.sh windows
    build=build/windows gui=ON
fi

prefixes=""
qt_facts=()
if [[ $gui == ON ]]; then
    qt=$(scripts/windows-deps.sh qt) || die "no Qt for Windows to build against"
    prefixes="$qt;"
    # The packages' notices name the source Qt is built from and its options.
    qt_source=$(scripts/windows-deps.sh qt-source) || die "no source of Qt to name in the notices"
    qt_options=$(scripts/windows-deps.sh qt-options) || die "no options of Qt to name in the notices"
    qt_facts=(-DQUANTELL_QT_SOURCE="$qt_source" -DQUANTELL_QT_OPTIONS="$qt_options")
fi
gtest=$(scripts/windows-deps.sh googletest) || die "no GoogleTest for Windows to build against"
prefixes+=$gtest

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefixes" -DQUANTELL_GUI="$gui" \
    -DQUANTELL_BENCH="$gui" "${qt_facts[@]}" >/dev/null ||
    die "CMake could not configure $build"
cmake --build "$build" || die "$build did not build"

# A new prefix takes Wine a few seconds to make; make it before anything runs in it.
use_wine_prefix "$build/wineprefix"
[[ $gui == ON ]] || exit 0
# Debian's Wine misses its own fonts in /usr/share/wine/fonts, so a new prefix lacks Tahoma,
# the UI face of Windows itself: the prefix gets them as an installed Windows has.
cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# CPack packs the zip, with wixl the installer and with NSIS the setup program
# (packaging/packaging.cmake).
(cd "$build" && cpack >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; die "CPack could not pack"; }
packages=$(sed -n 's/^CPack: - package: .*\/\([^/]*\.\(zip\|msi\|exe\)\) generated\.$/\1/p' "$build/cpack.log")
[[ -n $packages ]] || die "no package named in $build/cpack.log"
# Beside them, the source archive that their notices name, with the source of all they hold.
config=$build/CPackConfig.cmake
archive=$(cpack_fact "$config" CPACK_QUANTELL_SOURCE_ARCHIVE)
zip=$build/$(cpack_fact "$config" CPACK_PACKAGE_FILE_NAME).zip
python3 packaging/source-archive.py "$zip" "$(cpack_fact "$config" CPACK_QUANTELL_NOTICES)" \
    "$build/$archive" || die "no source archive $archive"
packages+=$'\n'$archive
# By file name, so that "sha256sum -c" checks them in whatever folder they are downloaded to.
# shellcheck disable=SC2086
(cd "$build" && sha256sum $packages >SHA256SUMS && du -h $packages SHA256SUMS) | sed "s|^|windows: |"
echo "windows: quantell.exe and $(wc -l <"$build/runtime.txt") DLLs: $(tr '\n' ' ' <"$build/runtime.txt")"
