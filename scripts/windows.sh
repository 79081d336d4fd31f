#!/usr/bin/env bash
# Quantell for Windows, cross-built on this Linux machine with MinGW-w64 and run under Wine.
#   scripts/windows.sh build            builds build/windows and packs the portable zip
#   scripts/windows.sh test             runs every test program of build/windows under Wine
#   scripts/windows.sh screenshot DIR   the unpacked zip's splash and main window as PNG files
#   scripts/windows.sh engine-test      builds and tests the engine alone, which needs no Qt
#   scripts/windows.sh check-zip ZIP    (on an X display) the zip unpacked into an empty
#                                       folder starts with nothing but its own DLLs
# (probe, shoot and with-wine are steps the script runs itself on a private X server.)
# Every program of a build runs through <build>/wine-run, which this script writes: a Wine
# prefix of the build's own, quiet, with the Qt and MinGW runtime DLLs on WINEPATH.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
task=${1:?usage: scripts/windows.sh build|test|screenshot DIR|engine-test|check-zip ZIP}
build=build/windows
compiler=x86_64-w64-mingw32-g++-posix
export WINEDLLOVERRIDES='mscoree,mshtml=' # no offer to install .NET or a browser engine

# Wine shows the Linux tree as drive Z:.
windowsPath() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# Configures and builds; the windows need Qt for Windows, the engine only GoogleTest.
configure() {
    local gui=$1 prefixes winepath="" dir
    eval "$(scripts/windows-deps.sh "$([[ $gui == ON ]] && echo qt)" googletest)"
    prefixes=$GTEST_PREFIX
    if [[ $gui == ON ]]; then
        prefixes="$QT_PREFIX;$prefixes"
        winepath="$(windowsPath "$QT_PREFIX/bin");"
    fi
    for dir in $(for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        dirname "$("$compiler" -print-file-name="$dll")"; done | sort -u); do
        winepath+="$(windowsPath "$dir");"
    done
    mkdir -p "$build"
    cat > "$build/wine-run" <<EOF
#!/bin/sh
# Written by scripts/windows.sh: runs a program of this build under Wine.
export WINEPREFIX='$root/$build/wineprefix' WINEDLLOVERRIDES='$WINEDLLOVERRIDES' WINEPATH='$winepath'
export WINEDEBUG="\${WINEDEBUG:--all}"
exec wine "\$@"
EOF
    chmod +x "$build/wine-run"
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefixes" -DQUANTELL_GUI="$gui" \
        -DQUANTELL_BENCH="$gui" -DCMAKE_CROSSCOMPILING_EMULATOR="$root/$build/wine-run" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
    cmake --build "$build"
    # A new prefix takes Wine a few seconds to make; make it before anything runs in it.
    # Debian's Wine misses its own fonts in /usr/share/wine/fonts, so a new prefix lacks
    # Tahoma, the UI face of Windows itself: the prefix gets them as an installed Windows has.
    # Its Wine server goes with it: one started without a display would leave the programs
    # run later with no window system.
    if [[ ! -f $build/wineprefix/system.reg ]]; then
        "$build/wine-run" wineboot -i >/dev/null 2>&1
        WINEPREFIX=$root/$build/wineprefix wineserver -k || true
        [[ $gui == OFF ]] || cp /usr/share/wine/fonts/*.ttf "$build/wineprefix/drive_c/windows/Fonts/"
    fi
}

# Runs "$@" with one Wine server and Windows' own background programs kept up for all the
# programs it starts. Started here with no output, those background programs do not hold
# open the output of the first test program, which ctest would wait on.
withWine() {
    export WINEPREFIX=$root/$build/wineprefix
    wineserver -p
    "$build/wine-run" wineboot >/dev/null 2>&1
    local status=0
    "$@" || status=$?
    wineserver -k
    return $status
}

# Runs this script's task "$@" with Wine on a private X server.
headless() {
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    xvfb-run -a -s "-screen 0 1280x800x24" "$0" with-wine "$@"
}

# Starts a Windows program and waits for its main window; sets pid and window. What Wine
# traces goes to $trace.
start() {
    "$@" 2> "$trace" &
    pid=$!
    window=$(timeout 180 xdotool search --sync --onlyvisible --name '^Quantell - Length$' | head -n 1)
    [[ -n $window ]] || { echo "windows: no main window from $*" >&2; exit 1; }
}

# The DLLs a loaddll trace shows loaded from outside Windows' own folders, as Linux paths.
loadedDlls() {
    sed -n 's/.*Loaded L"\(.*\)" at .*: native$/\1/p' "$1" | sed 's/\\\\/\//g' |
        grep -v -i '^C:/windows/' | sed 's/^Z://' | sort -u
}

version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt"
}

case $task in
build)
    scripts/setup.sh windows
    configure ON
    # The zip holds quantell.exe and what it loads, worked out from a run of the program
    # through splash, main window and about window; plugins keep their folder.
    name=Quantell-$(version)-win64
    rm -rf "$build/zip" "$build/$name.zip"
    mkdir -p "$build/zip/$name"
    headless "$0" probe "$build/zip/loaded.log"
    for dll in $(loadedDlls "$build/zip/loaded.log"); do
        folder=$build/zip/$name
        [[ $dll =~ /plugins/([^/]+)/[^/]+$ ]] && folder+=/${BASH_REMATCH[1]}
        mkdir -p "$folder"
        cp "$dll" "$folder/"
    done
    find "$build/zip/$name" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded
    (cd "$build/zip" && zip -q -r -9 "../$name.zip" "$name")
    echo "windows: $build/$name.zip, $(du -k "$build/$name.zip" | cut -f1) KiB:" \
        "$(cd "$build/zip/$name" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')"
    ;;
probe)
    export WINEDEBUG=-all,+loaddll
    trace=$2
    start "$build/wine-run" "$build/shell/quantell.exe"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 420)) $((Y + 20)) click 1 # ComInfo
    timeout 30 xdotool search --sync --onlyvisible --name '^アプリケーション情報' >/dev/null
    kill "$pid"
    ;;
check-zip)
    # Nothing of the build on WINEPATH: every DLL must come from the unpacked folder.
    dir=$(mktemp -d "$root/$build/check-zip.XXXX")
    trap 'rm -rf "$dir"' EXIT
    unzip -q "${2:?usage: scripts/windows.sh check-zip ZIP}" -d "$dir"
    export WINEPREFIX=$root/$build/wineprefix WINEDEBUG=-all,+loaddll
    trace=$dir/loaded.log
    start wine "$(find "$dir" -name quantell.exe)"
    kill "$pid"
    strangers=$(loadedDlls "$trace" | grep -v "^$dir/" || true)
    [[ -z $strangers ]] || { echo "windows: loaded from outside the zip: $strangers" >&2; exit 1; }
    echo "windows: the unpacked zip started on its own ($(loadedDlls "$trace" | wc -l) DLLs)"
    ;;
test)
    headless ctest --test-dir "$build" --output-on-failure
    ;;
with-wine)
    withWine "${@:2}"
    ;;
screenshot)
    out=$(realpath -m "${2:?usage: scripts/windows.sh screenshot DIR}")
    mkdir -p "$out"
    headless "$0" shoot "$out"
    echo "screenshots: $out/windows-splash.png $out/windows-main.png"
    ;;
shoot)
    dir=$(mktemp -d "$root/$build/shoot.XXXX")
    trap 'rm -rf "$dir"' EXIT
    unzip -q "$build/Quantell-$(version)-win64.zip" -d "$dir"
    export WINEPREFIX=$root/$build/wineprefix WINEDEBUG=-all
    wine "$(find "$dir" -name quantell.exe)" &
    pid=$!
    splash=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quantell$' | head -n 1)
    sleep 0.5
    import -window "$splash" "$2/windows-splash.png"
    main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quantell - Length$' | head -n 1)
    # The splash goes just after the main window comes; a grab of the screen would show it.
    timeout 30 bash -c 'while xdotool search --onlyvisible --name "^Quantell$" >/dev/null; do sleep 0.2; done'
    sleep 0.5
    import -window "$main" "$2/windows-main.png"
    kill "$pid"
    ;;
engine-test)
    scripts/setup.sh windows-engine
    build=build/windows-engine
    configure OFF
    withWine ctest --test-dir "$build" --output-on-failure
    ;;
*)
    echo "windows: unknown task '$task'" >&2
    exit 2
    ;;
esac
