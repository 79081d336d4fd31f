# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Sourced by the scripts that run Quantell's windows: strict shell options, clean-up steps at
# exit, a private X server, waiting for windows by title, and Wine with a prefix of its own.
set -euo pipefail

die() { echo "${0##*/}: $*" >&2; exit 1; }

# Shell commands run when the script ends, the last one added first.
exit_steps=()
on_exit() { exit_steps=("$1" "${exit_steps[@]}"); }
trap 'for step in "${exit_steps[@]}"; do eval "$step" || true; done' EXIT

# Starts an X server of our own for the rest of the script.
start_x() {
    local fd display
    if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR
        on_exit "rm -rf '$XDG_RUNTIME_DIR'"
    fi
    exec {fd}< <(exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x800x24 2>/dev/null)
    on_exit "kill $!"
    read -r -t 30 display <&"$fd" || die "the private X server (Xvfb) did not start"
    exec {fd}<&-
    export DISPLAY=:$display
}

# The main window's title as it opens, a pattern for "xdotool search --name".
main_title='^Quantell - Length$'

# Prints the id of the first visible window that "xdotool search" with options "$@" finds,
# waiting for it two minutes at most (a new Wine prefix starts slowly). xdotool gives up when a
# window goes while it looks (the splash, a closed dialog); it looks again then.
wait_window() {
    local id
    for _ in 1 2 3; do
        id=$(timeout 120 xdotool search --sync --onlyvisible "$@" 2>/dev/null | head -n 1) || true
        [[ -n $id ]] && echo "$id" && return
    done
    die "no window ($*) came up"
}

# Unpacks the zip package $1 into the folder $2 and prints the folder of its files, which CPack
# names as the zip.
unpack_zip() {
    cmake -E chdir "$2" cmake -E tar xf "$(realpath "$1")" || die "$1 did not unpack"
    echo "$2/$(basename "$1" .zip)"
}

# Prints the value that the CPack configuration $1, a build's CPackConfig.cmake, gives the
# variable $2: the packages' facts as packaging/packaging.cmake states them.
cpack_fact() {
    local value
    value=$(sed -n "s/^set($2 \"\(.*\)\")$/\1/p" "$1")
    [[ -n $value ]] || die "$1 sets no $2"
    echo "$value"
}

# Runs the command "$@" every half second until it succeeds, for $1 seconds at most; fails if
# it never does.
wait_until() {
    local tries=$(($1 * 2)) i
    shift
    for ((i = 0; i < tries; i++)); do
        "$@" && return
        sleep 0.5
    done
    return 1
}

# Whether the window $1 is not shown.
hidden() { ! grep -q -x "$1" <<<"$(xdotool search --onlyvisible --name . 2>/dev/null)"; }

# Waits until the window $1 is no longer shown.
wait_hidden() { wait_until 20 hidden "$1" || die "the window $1 stayed"; }

# Opens the about window from the main window $1 by keyboard, as a person without a mouse does:
# the window opens with the focus on the option group, and 「アプリ情報」 (ComInfo) is
# tabs_to_about Tab stops from there, in the main window's tab order. Prints its id.
tabs_to_about=7
open_about() {
    local keys=()
    while ((${#keys[@]} < tabs_to_about)); do keys+=(Tab); done
    xdotool windowfocus --sync "$1" key --delay 50 "${keys[@]}" space
    wait_window --name '^アプリケーション情報'
}

# Wine in the prefix $1, made if new, quiet unless WINEDEBUG says otherwise; no offers to
# install .NET or a browser engine, and no Linux menu entries for Start-menu shortcuts.
wine_overrides='mscoree,mshtml=;winemenubuilder.exe=d'
use_wine_prefix() {
    export WINEPREFIX WINEDLLOVERRIDES=$wine_overrides WINEDEBUG=${WINEDEBUG:--all}
    WINEPREFIX=$(realpath -m "$1")
    [[ -f $WINEPREFIX/system.reg ]] && return
    # Its Wine server goes with it: one started without a display would leave the programs
    # run later with no window system.
    wineboot -i >/dev/null 2>&1 || die "Wine could not make the prefix $WINEPREFIX"
    wineserver -k || true
}

# Keeps one Wine server and Windows' background programs up for the prefix until the script
# ends. Started here with no output, those programs do not hold open the output of the first
# program run next, which ctest would wait on.
start_wine() {
    wineserver -p
    on_exit "WINEPREFIX='$WINEPREFIX' wineserver -k"
    wine wineboot >/dev/null 2>&1 || die "Wine did not start in $WINEPREFIX"
}
