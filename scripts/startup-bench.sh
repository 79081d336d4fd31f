#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Start-up of Quantell against a bare Qt window built the same way, both unchanged programs
# under a private X server: the time from starting the process to its first window being
# mapped, and the peak memory (VmHWM) once its last window is up (Quantell: the main window,
# after the two-second splash).
# A Windows build (one with a wine-run, see scripts/windows-build.sh) runs both under Wine, with
# one Wine server kept up for all runs.
# Usage: scripts/startup-bench.sh <builddir> [runs]   (builddir: a release build)
source "$(dirname "$0")/lib.sh"
build="${1:?usage: scripts/startup-bench.sh <builddir> [runs]}"
runs="${2:-10}"
quantell="$build/shell/quantell"
bare="$build/bench/startup/quantell_bare_window"
runner=()
if [[ -x $build/wine-run ]]; then
    quantell+=.exe bare+=.exe runner=("$build/wine-run")
fi
for program in "$quantell" "$bare"; do
    [[ -f "$program" ]] || die "$program is not built"
done

start_x
if [[ -n ${runner[*]} ]]; then
    use_wine_prefix "$build/wineprefix"
    start_wine
else
    export QT_QPA_PLATFORM=xcb
fi
# xev reports every top-level window that is mapped on the screen.
coproc XEV { exec xev -root -event substructure; }
on_exit "kill $XEV_PID"
sleep 0.5

# One run of $1, which opens $2 windows: sets ms (to the first window) and kib (peak memory).
# It runs in this shell, as the coprocess's pipe is not open in subshells.
measure() {
    local program=$1 windows=$2 line seen=0 start first pid
    while read -r -t 0.2 line <&"${XEV[0]}"; do :; done # events of the run before
    start=$EPOCHREALTIME
    "${runner[@]}" "$program" &
    pid=$!
    while ((seen < windows)) && read -r -t 30 line <&"${XEV[0]}"; do
        [[ $line == MapNotify* ]] || continue
        seen=$((seen + 1))
        ((seen > 1)) || first=$EPOCHREALTIME
    done
    ((seen == windows)) || die "$program opened $seen windows"
    sleep 0.3 # the window paints
    kib=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    ms=$(awk -v s="$start" -v f="$first" 'BEGIN { printf "%.1f", (f - s) * 1000 }')
}

# Both programs in turns, so that both see the same machine; a first run of each warms up.
measure "$bare" 1
measure "$quantell" 2
results=()
for ((i = 0; i < runs; i++)); do
    measure "$bare" 1
    results+=("bare $ms $kib")
    measure "$quantell" 2
    results+=("quantell $ms $kib")
done

printf '%s\n' "${results[@]}" | awk -v runs="$runs" '
    function median(a, n,    i, j, t) {
        for (i = 2; i <= n; i++)
            for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { n[$1]++; ms[$1, n[$1]] = $2; kib[$1, n[$1]] = $3 }
    END {
        for (p in n) {
            for (i = 1; i <= n[p]; i++) { t[i] = ms[p, i]; m[i] = kib[p, i] }
            mt[p] = median(t, n[p]); mm[p] = median(m, n[p]) / 1024
        }
        printf "median of %d runs      first window   peak memory\n", runs
        printf "bare Qt window       %10.1f ms  %8.1f MB\n", mt["bare"], mm["bare"]
        printf "Quantell             %10.1f ms  %8.1f MB\n", mt["quantell"], mm["quantell"]
        printf "Quantell: %.2f x the start time (aim 1.30 at most), %+.1f MB (aim 8 at most)\n",
            mt["quantell"] / mt["bare"], mm["quantell"] - mm["bare"]
    }'
