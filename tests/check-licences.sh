#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Fails where a file does not say its licence and copyright (reuse lint: in its header, or for
# a file with no comments in .reuse/dep5), and on a copyright line other than the product's,
# as the root CMakeLists.txt states it.
# Usage: tests/check-licences.sh <source dir> <copyright line>
set -euo pipefail
usage="usage: tests/check-licences.sh <source dir> <copyright line>"
cd "${1:?$usage}"
copyright=${2:?$usage}

reuse lint --quiet || { reuse lint | sed '/^# SUMMARY/,$d' >&2; exit 1; }

# The tag is spelt in two parts so that this file's searches are not read as a copyright line.
tag=SPDX-FileCopyrightText
mapfile -t files < <(reuse spdx | sed -n 's|^FileName: \./||p')
statements=$({
    grep -h -o "$tag: .*" "${files[@]}" | sed "s/^$tag: //; s/ *-->\$//"
    sed -n 's/^Copyright: //p' .reuse/dep5
} | sort -u)
if [[ "$statements" != "$copyright" ]]; then
    echo "copyright lines other than \"$copyright\":" >&2
    grep -v -F -x -e "$copyright" <<<"$statements" >&2 || echo "(none found)" >&2
    exit 1
fi
