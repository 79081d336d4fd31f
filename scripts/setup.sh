#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Installs the Debian packages that the named tasks need, and only those that are missing.
# Usage: scripts/setup.sh build|test|bench|fuzz|screenshot|package|icons|windows|windows-engine ...
set -euo pipefail

declare -A needs=(
    [build]="cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libglib2.0-dev libgtest-dev fonts-ipafont-gothic fonts-vlgothic"
    [test]="binutils-mingw-w64-x86-64 desktop-file-utils appstream qt6-base-private-dev reuse"
    [bench]="libbenchmark-dev xvfb x11-utils"
    [fuzz]="clang libclang-rt-14-dev"
    [screenshot]="xvfb imagemagick xdotool"
    [package]="dpkg-dev file lintian"
    [icons]="librsvg2-bin imagemagick"
    [windows]="cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine googletest qt6-base-dev qt6-base-dev-tools qt6-translations-l10n dpkg-dev xz-utils wixl msitools nsis xvfb xdotool imagemagick x11-utils python3 qt6-documentation-tools"
    [windows-engine]="cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 googletest xvfb"
)

wanted=()
for task in "$@"; do
    [[ -n "${needs[$task]+x}" ]] || { echo "setup: unknown task '$task'" >&2; exit 2; }
    wanted+=(${needs[$task]})
done

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null || true)
    [[ "$status" == ii* ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "setup: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# A fresh machine has no package lists yet; refresh them only when an install needs it.
if ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
