#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Runs every benchmark program built into <builddir>/bench/ and prints its figures.
# Usage: scripts/bench.sh <builddir>
set -euo pipefail
dir="${1:?usage: scripts/bench.sh <builddir>}/bench"
# Window benchmarks need no screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

ran=0
for program in "$dir"/*; do
    [[ -f "$program" && -x "$program" ]] || continue
    echo "== ${program##*/}"
    "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
    ran=$((ran + 1))
done
if [[ $ran -eq 0 ]]; then
    echo "bench: no benchmark program in $dir" >&2
    exit 1
fi
