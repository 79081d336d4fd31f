#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Checks the installer (MSI) and the setup program under Wine as a user without administrator
# rights meets them, in a new Wine prefix of their own. Each installs exactly the zip's files
# (our licence and the third-party notices among them) in a folder named for the product under
# %LOCALAPPDATA%\Programs, a Start-menu shortcut to the program and one entry in the installed
# programs; the installed program starts; a later version replaces it and an older one does not
# install over that; neither installs while the other is installed. The installer's summary
# information is Japanese. The setup program is run silently and through its pages by keyboard,
# its uninstaller too, each started a second time while its wizard is up; its finish page opens
# the notices, where .txt files have no program (as in a new prefix) too. In the end the user's
# registry and folders are as they were. First, SHA256SUMS beside the packages must name the
# three and the source archive, and verify. ctest runs it on an X display (installer). The later
# versions are the same build packed again by CPack with a later version number, from the
# CPackConfig.cmake beside the .wxs, which also gives the product's name, version and maker and
# the key of the setup's entry.
# Usage: packaging/checks/check-installer.sh <msi> <setup> <zip> <wxs> <later version> <source archive>
source "$(dirname "$0")/../../scripts/lib.sh"
usage="usage: check-installer.sh <msi> <setup> <zip> <wxs> <later version> <source archive>"
msi=$(realpath "${1:?$usage}") setup=$(realpath "${2:?$usage}") zip=$(realpath "${3:?$usage}")
wxs=$(realpath "${4:?$usage}") later=${5:?$usage} archive=${6:?$usage}
sums=${zip%/*}/SHA256SUMS
named=$(awk '{ print $2 }' "$sums" | sort) || die "no $sums"
[[ $named == "$(printf '%s\n' "${msi##*/}" "${setup##*/}" "${zip##*/}" "${archive##*/}" | sort)" ]] ||
    die "SHA256SUMS names: $named"
(cd "${zip%/*}" && sha256sum --quiet --strict -c SHA256SUMS) || die "SHA256SUMS does not verify"
work=$(mktemp -d "${msi%/*}/check-installer.XXXX")
on_exit "rm -rf '$work'"
# The setup's pages as they were shown, to look at.
pages=${setup%/*}/setup-pages
rm -rf "$pages" && mkdir -p "$pages"
use_wine_prefix "$work/prefix"
start_wine
user=$WINEPREFIX/drive_c/users/$(id -un)
# The packages' facts as CMake gave them to CPack: the product's name, which names its folder,
# shortcut, wizards and entry in the installed programs, and the key of the setup's entry.
config=${wxs%/*}/CPackConfig.cmake
product=$(cpack_fact "$config" CPACK_NSIS_PACKAGE_NAME)
version=$(cpack_fact "$config" CPACK_PACKAGE_VERSION)
maker=$(cpack_fact "$config" CPACK_PACKAGE_VENDOR)
setup_key=$(cpack_fact "$config" CPACK_QUANTELL_SETUP_KEY)
installed=$user/AppData/Local/Programs/$product
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk"
entry=HKCU\\$setup_key
# The installed programs' list, which holds the setup's entry.
programs=${setup_key%\\*}
# The titles of the setup's wizard and message boxes, and of its uninstaller's.
setup_title="^$product $version セットアップ"
uninstall_title="^$product $version アンインストール"

# The Japanese pages need a Japanese face, which Windows has and a new prefix lacks: the
# system's takes the place of those the setup and the message boxes ask for.
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"MS Shell Dlg"="IPAPGothic"' '"Tahoma"="IPAPGothic"' |
    iconv -t UTF-16 >"$work/faces.reg"
wine regedit /S "$(winepath -w "$work/faces.reg")" || die "regedit could not import the faces"

# The refusals are in the package, read in the code page it names: wixl drops a text it cannot
# convert without a word, and a package naming none is read in the code page of the machine.
conditions=$(msiinfo export "$msi" LaunchCondition) || die "msiinfo could not read the installer"
while read -r message; do
    grep -q -F "${message//\$(var.Version)/$version}" <<<"$conditions" ||
        die "the installer lacks the message: $message"
done < <(sed -n 's/.*<Condition Message="\([^"]*\)".*/\1/p' "$wxs")

# The summary information, which Windows shows as the file's details, is Japanese: language
# 1041, in code page 932 (property 1 of its property set, a 2-byte integer).
grep -q -x 'Template: x64;1041' <<<"$(msiinfo suminfo "$msi")" ||
    die "the installer's summary information is not in Japanese (1041)"
codepage=$(msiinfo extract "$msi" $'\005SummaryInformation' | python3 -c '
import struct, sys
data = sys.stdin.buffer.read()
section = struct.unpack_from("<I", data, 44)[0]
count = struct.unpack_from("<I", data, section + 4)[0]
offsets = dict(struct.unpack_from("<II", data, section + 8 + 8 * i) for i in range(count))
print(struct.unpack_from("<H", data, section + offsets[1] + 4)[0])')
[[ $codepage == 932 ]] || die "the installer's summary information is in code page $codepage, not 932"

# The user's registry, one line a key and a value, but Wine's own settings; and the files of
# drive C:.
snapshot() {
    wine regedit /E "$work/$1.reg" 'HKEY_CURRENT_USER\Software' || die "regedit could not export"
    iconv -f UTF-16 -t UTF-8 "$work/$1.reg" | tr -d '\r' |
        awk '/^\[/ { key = $0; print; next } NF { print key " " $0 }' |
        grep -v -F '[HKEY_CURRENT_USER\Software\Wine' >"$work/$1.txt"
    (cd "$WINEPREFIX/drive_c" && find . | sort) >>"$work/$1.txt"
}
# Prints version and maker of each installed program named as the product, one a line.
listed() {
    local list code root key value
    list=$(wine uninstaller --list | tr -d '\r')
    for code in $(sed -n "s/|||$product\$//p" <<<"$list"); do
        for root in HKCU HKLM; do
            key="$root\\$programs\\$code"
            value=$(wine reg query "$key" 2>/dev/null) || continue
            echo $(sed -n 's/^ *\(DisplayVersion\|Publisher\) *REG_SZ *//p' <<<"${value//$'\r'/}")
        done
    done
}
# Prints the value $1 of the setup's entry.
entry_value() {
    wine reg query "$entry" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
# Checks that version $1, and only it, is installed: the zip's files, the shortcut and the entry.
check_installed() {
    diff -r -x Uninstall.exe "$unpacked" "$installed" ||
        die "the installed files differ from the zip's"
    [[ -f $shortcut ]] || die "no Start-menu shortcut $shortcut"
    target=$(strings "$shortcut" | grep -i -m1 '^[a-z]:\\.*\\quantell\.exe$') ||
        die "the shortcut names no quantell.exe"
    [[ $(winepath -u "$target") -ef $installed/quantell.exe ]] || die "the shortcut starts $target"
    [[ $(listed) == "$1 $maker" ]] || die "installed programs named $product: $(listed)"
}
# Packs the build again as version $1 with CPack's generator $2, into $work/$1.
pack_later() {
    cpack --config "$config" -G "$2" -B "$work/$1" \
        -D CPACK_PACKAGE_VERSION="$1" >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log"
        die "CPack could not pack version $1"
    }
}
# Whether the window $1 shows a page other than the last, as it did at the look before.
last_page="" look_before=""
new_page_shown() {
    local now
    now=$(import -window "$1" rgb:- 2>/dev/null | md5sum) || return 1
    if [[ $now != "$last_page" && $now == "$look_before" ]]; then
        last_page=$now
        return 0
    fi
    look_before=$now
    return 1
}
# Waits until the window $1 shows a page other than the last, unchanged for half a second,
# and keeps a picture of it as $pages/$2.png.
next_page() {
    look_before=""
    wait_until 60 new_page_shown "$1" || die "the window $1 showed no new page $2"
    import -window "$1" "$pages/$2.png"
}
press_enter() { xdotool windowfocus --sync "$1" key Return; }
# Whether a window named $1 other than the window $2 is shown; sets box to their ids.
others_shown() {
    box=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -v -x -F "$2")
}
# Starts $1 again while its wizard, the only window named $2, is up: the second start shows a
# message box instead, kept as the picture $pages/$3.png; closed, it ends and leaves the wizard
# the only window of that name.
second_start() {
    local wizard box pid
    wizard=$(xdotool search --onlyvisible --name "$2")
    wine "$1" &
    pid=$!
    wait_until 120 others_shown "$2" "$wizard" || die "a second start of ${1##*/} showed no window"
    [[ $(wc -w <<<"$box") == 1 ]] || die "a second start of ${1##*/} showed no one message box: $box"
    # A window of its own, whose first picture is new even if it looks like the wizard's page.
    last_page=""
    next_page "$box" "$3"
    press_enter "$box"
    timeout 30 tail --pid="$pid" -f /dev/null ||
        die "the second ${1##*/} did not end on Enter: it showed a wizard, not a message"
    wait_hidden "$box"
    [[ $(xdotool search --onlyvisible --name "$2") == "$wizard" ]] ||
        die "a second wizard of ${1##*/} is up"
}
# Whether the setup's entry is in the installed programs.
entry_listed() { wine reg query "$entry" >/dev/null 2>&1; }
# Whether the setup's files and entry are gone.
uninstalled() { [[ ! -e $installed ]] && ! entry_listed; }
# Waits until the setup's files and entry are gone.
wait_uninstalled() { wait_until 60 uninstalled || die "the uninstallation did not end"; }

snapshot before
unpacked=$(unpack_zip "$zip" "$work")

# The installer, silently, as administrators deploy it.
wine msiexec /i "$msi" /qn || die "the installation failed"
check_installed "$version"
icon=$(wine reg query 'HKCU\Software\Microsoft\Installer\Products' /s | sed -n 's/.*ProductIcon *REG_SZ *//p')
cmp "$(winepath -u "${icon%$'\r'}")" "${wxs%/*}/app.ico" || die "the installed programs show no icon for it"
wine "$installed/quantell.exe" &
pid=$!
main=$(wait_window --name "$main_title")
xdotool windowfocus --sync "$main" key alt+F4
timeout 30 tail --pid="$pid" -f /dev/null || die "the installed program did not end when closed"

pack_later "$later" External
wine msiexec /i "$work/$later"/*.msi /qn || die "the later version did not install"
[[ $(listed) == "$later $maker" ]] || die "installed after the later version: $(listed)"
! wine msiexec /i "$msi" /qn || die "the older version installed over the later one"
[[ $(listed) == "$later $maker" ]] || die "installed after the older version: $(listed)"
# The setup program stops, exit code 2, while the installer's installation is there.
status=0
wine "$setup" /S || status=$?
((status == 2)) || die "the setup program beside the installer's installation ended with $status"
[[ $(listed) == "$later $maker" ]] || die "installed after the setup program: $(listed)"
wine msiexec /x "$work/$later"/*.msi /qn || die "the uninstallation failed"
[[ -z $(listed) ]] || die "still listed as installed after uninstallation"

# The setup program, silently; then its entry, which the installed programs show.
wine "$setup" /S || die "the setup program failed"
check_installed "$version"
[[ $(winepath -u "$(entry_value DisplayIcon)") -ef $installed/quantell.exe ]] ||
    die "the installed programs show no icon for the setup's installation"
size=$(find "$installed" -type f -printf '%s\n' | awk '{ s += $1 } END { print int(s / 1024) }')
(($(entry_value EstimatedSize) == size)) || die "the installed programs show a size but $size KB"
! wine msiexec /i "$msi" /qn || die "the installer installed beside the setup's installation"
[[ $(listed) == "$version $maker" ]] || die "after the installer beside the setup's: $(listed)"

pack_later "$later" NSIS
wine "$work/$later"/*.exe /S || die "the later setup program failed"
check_installed "$later"
# The older one says why it stops, and does.
wine "$setup" &
pid=$!
window=$(wait_window --name "$setup_title\$")
next_page "$window" 0-older
press_enter "$window"
status=0
wait "$pid" || status=$?
((status == 2)) || die "the older setup program over the later version ended with $status"
[[ $(listed) == "$later $maker" ]] || die "installed after the older setup program: $(listed)"

# The way "Uninstall" in the installed programs goes, silently.
uninstaller=$(entry_value QuietUninstallString)
[[ $uninstaller =~ ^\"([^\"]+)\"\ /S$ ]] || die "no silent uninstallation: $uninstaller"
wine "${BASH_REMATCH[1]}" /S || die "the uninstaller failed"
wait_uninstalled

# By keyboard, as a user meets it: welcome, folder, progress, finish, which starts the program.
wine "$setup" &
window=$(wait_window --name "$setup_title")
next_page "$window" 1-welcome
second_start "$setup" "$setup_title" 1-welcome-second-setup
press_enter "$window"
next_page "$window" 2-folder
press_enter "$window"
wait_until 60 entry_listed || die "the setup program made no entry in the installed programs"
next_page "$window" 3-finish
# The notices too, ticked by keyboard (the focus is on the box above theirs): a new prefix has
# no program for .txt files, so Notepad of the system directory opens them.
xdotool windowfocus --sync "$window" key --delay 100 Tab space
next_page "$window" 3-finish-notices
press_enter "$window"
main=$(wait_window --name "$main_title")
notepad=$(wait_window --name 'THIRD-PARTY-NOTICES')
wait_hidden "$window"
check_installed "$version"
kill "$(xdotool getwindowpid "$notepad")" || die "Notepad's window names no process"
wait_hidden "$notepad"
xdotool windowfocus --sync "$main" key alt+F4
wait_hidden "$main"

# And its uninstaller: confirmation, progress, finish.
wine "$installed/Uninstall.exe" &
window=$(wait_window --name "$uninstall_title")
next_page "$window" 4-uninstall
second_start "$installed/Uninstall.exe" "$uninstall_title" 4-uninstall-second-uninstaller
press_enter "$window"
wait_uninstalled
next_page "$window" 5-uninstalled
press_enter "$window"
wait_hidden "$window"

snapshot after
# Windows' own empty keys may stay (those of Windows Installer and the list of installed
# programs), and the copy of the setup's uninstaller in the user's temporary folder, which
# Windows removes at the next start; nothing else.
installer_own='\[HKEY_CURRENT_USER\\(Software\\Microsoft\\Installer(\\[A-Za-z]+)?|'"${programs//\\/\\\\}"')\]'
installer_own+='|\./(windows|users/[^/]+/AppData/Roaming/Microsoft)/Installer'
installer_own+='|\./users/[^/]+/Temp/~nsu[^/]*\.tmp(/[^/]+\.exe)?'
left=$(diff "$work/before.txt" "$work/after.txt" | grep '^[<>]' | grep -v -x -E "> ($installer_own)") ||
    true
[[ -z $left ]] || die "uninstallation left (> added, < removed): $left"
echo "check-installer: the installer and the setup program installed, started, were replaced" \
    "by $later, refused each other and uninstalled without a trace"
