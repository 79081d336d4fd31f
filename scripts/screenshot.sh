#!/usr/bin/env bash
# Runs Quantell under Xvfb as a person would and saves its windows as PNG files: the splash,
# the main window after the splash's two seconds, and the about window opened from it.
# Usage: scripts/screenshot.sh <builddir> [outdir]
set -euo pipefail
build="${1:?usage: scripts/screenshot.sh <builddir> [outdir]}"
out="$(realpath -m "${2:-$build/screenshots}")"
mkdir -p "$out"
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

xvfb-run -a -s "-screen 0 1024x640x24" bash -euo pipefail -c '
    program="$1" out="$2"
    "$program" & pid=$!
    sleep 1
    # The root window is black around the splash; trim it away.
    import -window root -trim +repage "$out/splash.png"
    main=$(xdotool search --sync --onlyvisible --name "^Quantell - Length$" | head -n 1)
    sleep 0.5
    import -window "$main" "$out/main.png"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 420)) $((Y + 20)) click 1 # ComInfo
    about=$(xdotool search --sync --onlyvisible --name "^アプリケーション情報" | head -n 1)
    sleep 0.5
    import -window "$about" "$out/about.png"
    kill "$pid"
' screenshot "$(realpath "$build/shell/quantell")" "$out"
echo "screenshots: $out/splash.png $out/main.png $out/about.png"
