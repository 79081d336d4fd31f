#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Builds, once, what the Windows build of Quantell links against: Qt from the source of the
# very Qt the host tools come from, and GoogleTest from Debian's source, both cross-compiled
# with MinGW-w64 into a cache outside the work tree. A second run reuses them; a killed run
# resumes where ninja stopped. Progress goes to stderr; stdout names the prefix of each part
# asked for, one a line; for qt-source the folder of Qt's unpacked source, for qt-options the
# options Qt is configured with (the packages' notices name both); for "source PACKAGE=VERSION"
# the .dsc of that Debian source package, fetched with its tarballs as apt-get source does (the
# source archive beside the packages holds those that the notices name).
# Usage: scripts/windows-deps.sh [qt] [googletest] [qt-source] [qt-options] [source PACKAGE=VERSION]...
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$here/cmake/mingw-w64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quantell
jobs=$(nproc)
say() { echo "windows-deps: $*" >&2; }
fail() { say "$*"; exit 1; }

# Only what the program and its tests use: Core, Gui, Widgets, Test, the windows and
# offscreen platforms, the windowsvista style; bundled third-party code only. Debian's
# source has no wintab.h (tablet input); the windows plugin of 6.4 needs dynamicgl off once
# opengl is, and directwrite3 off once direct2d is (it would use a font database that Gui
# builds only with direct2d; the default GDI one stays).
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
)

# The prefixes are keyed by the version of the C++ compiler that the toolchain file names.
compiler=$("$(sed -n 's/^set(CMAKE_CXX_COMPILER \(.*\))$/\1/p' "$toolchain")" --version | sed -n 1p)
key() { printf '%s\n' "$compiler" "$@" | sha1sum | cut -c1-10; }
gtest_prefix=$cache/googletest-$(dpkg-query -W -f='${Version}' googletest)-mingw64-$(key)
# The Qt of the host tools: its version picks the source, so moc and the libraries agree.
qt_deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
qt_version=${qt_deb_version%%+*}
qt_source=$cache/src/qt6-base-$qt_version
# The prefix also keeps, in graph/, the build's ninja graph and dependency log, from which
# packaging/notices.py tells what of Qt's source went into each DLL without the build folder.
qt_prefix=$cache/qt-$qt_version-mingw64-$(key "${qt_options[@]}" graph)

# Writes a private apt source list with a deb-src line for each of the machine's own deb
# entries for Debian's archives (one-line and deb822 forms), so apt follows whatever mirror
# the machine uses and its own configuration is never touched.
private_sources() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file ]] || continue
        sed -n -E 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+([^[:space:]]+)[[:space:]]+(.*)$/deb-src \1\2 \3 \4/p' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        # One stanza a paragraph; keep those of type deb and turn them into one-line entries.
        awk 'function flush() {
                 if (types ~ /(^| )deb( |$)/ && enabled != "no")
                     for (i = 1; i <= ns; i++)
                         print "deb-src " (key ? "[signed-by=" key "] " : "") uris " " suites[i] " " comps
                 types = uris = comps = key = enabled = ""; ns = 0 }
             /^[[:space:]]*$/ { flush(); next }
             /^#/ { next }
             { field = tolower($1); sub(/:$/, "", field); $1 = ""; sub(/^ +/, "") }
             field == "types" { types = $0 } field == "uris" { uris = $0 }
             field == "suites" { ns = split($0, suites, " ") } field == "components" { comps = $0 }
             field == "signed-by" { key = $0 } field == "enabled" { enabled = tolower($0) }
             END { flush() }' "$file"
    done
}

# Downloads the Debian source package $1 (PACKAGE=VERSION) into $cache/src, as apt-get source
# fetches it: its .dsc and the tarballs it names, checked by apt against the archive's index.
# Prints the .dsc.
fetch_source() {
    local apt=$cache/apt src=$cache/src package=${1%%=*} version=${1#*=} file
    local dsc=$src/${package}_${version#*:}.dsc
    if [[ -f $dsc ]]; then
        for file in $(awk '/^Files:/ { on = 1; next } /^[^ ]/ { on = 0 } on { print $3 }' "$dsc"); do
            [[ -f $src/$file ]] || { rm "$dsc"; break; }
        done
    fi
    if [[ ! -f $dsc ]]; then
        say "fetching the source of $package $version with apt (private lists in $apt)"
        mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$src"
        # Debian's own archives only: a third-party repository rarely carries sources.
        private_sources | grep -E ' [^ ]*/debian(-security)?/? ' > "$apt/sources.list"
        [[ -s $apt/sources.list ]] || fail "no deb entry for Debian's archive in /etc/apt"
        local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=-
                    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
                    -o "APT::Sandbox::User=$(id -un)" -q)
        # An archive that cannot be reached only warns here; the source download below fails.
        apt-get "${opts[@]}" update >&2 || fail "apt could not read the package lists of $apt/sources.list"
        (cd "$src" && apt-get "${opts[@]}" source --download-only "$package=$version" >&2) ||
            fail "apt could not fetch the source of $package $version from $apt/sources.list"
    fi
    echo "$dsc"
}

fetch_qt_source() {
    [[ -f $qt_source/.unpacked ]] && return
    fetch_source "qt6-base=$qt_deb_version" >/dev/null
    rm -rf "$qt_source"
    (cd "$cache/src" && dpkg-source -x --no-check qt6-base_"$qt_deb_version".dsc "$qt_source" >&2) ||
        fail "the source of qt6-base $qt_deb_version did not unpack"
    touch "$qt_source/.unpacked"
}

# Runs ninja and prints a line each time another tenth of the steps is done.
build_with_progress() {
    local name=$1 dir=$2
    NINJA_STATUS="[%f/%t] " ninja -C "$dir" -j "$jobs" |
        awk -v name="$name" 'match($0, /^\[[0-9]+\/[0-9]+\]/) {
                 split(substr($0, 2, RLENGTH - 2), n, "/"); tenth = int(10 * n[1] / n[2])
                 if (tenth > shown) { shown = tenth; printf "windows-deps: %s %d of %d steps (%s)\n", name, n[1], n[2], strftime("%H:%M:%S") > "/dev/stderr" } }
             /FAILED|error:/ { print > "/dev/stderr" }'
    return "${PIPESTATUS[0]}"
}

# Configures, builds and installs $1 from the source $2 in the folder $3 into the prefix $4,
# with the CMake options after those, then marks the prefix complete.
build_into() {
    local name=$1 source=$2 build=$3 prefix=$4 start=$SECONDS
    shift 4
    say "building $name for Windows into $prefix"
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$build.configure.log" 2>&1 ||
        { tail -30 "$build.configure.log" >&2; fail "$name's configuration failed"; }
    build_with_progress "$name" "$build" || fail "$name did not build (the failing step is above)"
    ninja -C "$build" install >/dev/null || fail "$name did not install into $prefix"
    [[ $name != Qt ]] || keep_graph "$build" "$prefix/graph"
    rm -rf "$build" "$build.configure.log"
    touch "$prefix/.complete"
    say "$name built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
}

# Keeps what ninja knows of a build, its manifests and logs, without the objects.
keep_graph() {
    local build=$1 graph=$2
    mkdir -p "$graph"
    (cd "$build" && find . \( -name '*.ninja' -o -name .ninja_deps -o -name .ninja_log \) -print0 |
        tar --null -cf - -T -) | tar -xf - -C "$graph"
}

build_qt() {
    [[ -f $qt_prefix/.complete ]] && return
    [[ -n $qt_version ]] || fail "qt6-base-dev-tools is not installed; its version picks Qt's source"
    fetch_qt_source
    say "Qt takes 30 to 40 minutes on 2 cores, once"
    # One build folder whatever the options: a killed run resumes there, and a change of
    # options rebuilds only what it touches.
    build_into Qt "$qt_source" "$cache/qt-$qt_version-mingw64.build" "$qt_prefix" "${qt_options[@]}"
}

build_googletest() {
    [[ -f $gtest_prefix/.complete ]] && return
    build_into GoogleTest /usr/src/googletest "$gtest_prefix.build" "$gtest_prefix" \
        -DCMAKE_BUILD_TYPE=Release
}

# One build in the cache at a time: two runs at once, from two clones too, would run two ninjas
# in one build folder and spoil it. A second run waits here, then finds the first one's result.
mkdir -p "$cache"
exec {lock}>"$cache/.lock"
flock -n "$lock" || { say "waiting for another run that is building into $cache"; flock "$lock"; }

# Not "build_qt && echo": set -e does not stop a function called on the left of &&.
while (($#)); do
    case $1 in
    qt) build_qt; echo "$qt_prefix" ;;
    qt-source) fetch_qt_source; echo "$qt_source" ;;
    qt-options) echo "${qt_options[*]}" ;;
    googletest) build_googletest; echo "$gtest_prefix" ;;
    source) [[ ${2:-} == ?*=?* ]] || fail "source takes PACKAGE=VERSION"
        fetch_source "$2"; shift ;;
    *) fail "unknown part '$1'" ;;
    esac
    shift
done
