#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Fuzzes the conversion for a number of seconds and prints how many inputs were tried.
# Usage: scripts/fuzz.sh <builddir> <seconds>
set -euo pipefail
build="${1:?usage: scripts/fuzz.sh <builddir> <seconds>}"
seconds="${2:?usage: scripts/fuzz.sh <builddir> <seconds>}"
seeds="$(cd "$(dirname "$0")/.." && pwd)/fuzz/seeds"
out="$build/fuzz"
# The corpus grows across runs; new inputs go to the first folder only, so the seeds stay.
mkdir -p "$out/corpus"

if ! "$out/quantell_fuzz_conversion" -max_total_time="$seconds" -artifact_prefix="$out/" \
    "$out/corpus" "$seeds" 2>"$out/fuzz.log"; then
    tail -n 60 "$out/fuzz.log" >&2
    echo "fuzz: failed; the input that did it is in $out/" >&2
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$out/fuzz.log"
