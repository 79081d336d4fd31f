#!/usr/bin/env bash
# Checks the installer under Wine as a user without administrator rights meets it, in a new
# Wine prefix of its own: a silent installation puts exactly the zip's files under
# %LOCALAPPDATA%\Programs\Quantell, a Start-menu shortcut to the program and one entry in the
# installed programs; the installed program starts; a later version replaces it and an older
# one does not install over that, and the package holds the Japanese message saying so;
# uninstallation leaves the user's registry and folders as they were. ctest runs it on an X
# display (installer).
# Usage: tests/shell/check-installer.sh <msi> <zip> <wxs> <later version>
source "$(dirname "$0")/../../scripts/lib.sh"
usage="usage: check-installer.sh <msi> <zip> <wxs> <later version>"
msi=$(realpath "${1:?$usage}") zip=$(realpath "${2:?$usage}") wxs=$(realpath "${3:?$usage}")
later=${4:?$usage}
work=$(mktemp -d "${msi%/*}/check-installer.XXXX")
on_exit "rm -rf '$work'"
use_wine_prefix "$work/prefix"
start_wine
user=$WINEPREFIX/drive_c/users/$(id -un)
installed=$user/AppData/Local/Programs/Quantell
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quantell.lnk"
version=${zip##*/Quantell-} version=${version%-win64.zip}
maker=$(sed -n 's/.*Manufacturer="\([^"]*\)".*/\1/p' "$wxs" | head -n 1)

# wixl drops, without a word, a text it cannot put in the package's code page.
while read -r message; do
    printf %s "${message//\$(var.Version)/$version}" | iconv -f UTF-8 -t CP932 >"$work/message"
    grep -q -a -F -f "$work/message" "$msi" || die "the installer lacks the message: $message"
done < <(sed -n 's/.*<Condition Message="\([^"]*\)".*/\1/p' "$wxs")

# The user's registry, one line a key and a value, but Wine's own settings; and the files of
# drive C:.
snapshot() {
    wine regedit /E "$work/$1.reg" 'HKEY_CURRENT_USER\Software' || die "regedit could not export"
    iconv -f UTF-16 -t UTF-8 "$work/$1.reg" | tr -d '\r' |
        awk '/^\[/ { key = $0; print; next } NF { print key " " $0 }' |
        grep -v -F '[HKEY_CURRENT_USER\Software\Wine' >"$work/$1.txt"
    (cd "$WINEPREFIX/drive_c" && find . | sort) >>"$work/$1.txt"
}
# Prints version and maker of each installed program named Quantell, one a line.
listed() {
    local list code root key entry
    list=$(wine uninstaller --list | tr -d '\r')
    for code in $(sed -n 's/|||Quantell$//p' <<<"$list"); do
        for root in HKCU HKLM; do
            key="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code"
            entry=$(wine reg query "$key" 2>/dev/null) || continue
            echo $(sed -n 's/^ *\(DisplayVersion\|Publisher\) *REG_SZ *//p' <<<"${entry//$'\r'/}")
        done
    done
}
install() { wine msiexec /i "$1" /qn; }

snapshot before
install "$msi" || die "the installation failed"
cmake -E chdir "$work" cmake -E tar xf "$zip"
diff -r "$work"/Quantell-*-win64 "$installed" || die "the installed files differ from the zip's"
[[ -f $shortcut ]] || die "no Start-menu shortcut $shortcut"
target=$(strings "$shortcut" | grep -i -m1 '^[a-z]:\\.*\\quantell\.exe$') ||
    die "the shortcut names no quantell.exe"
[[ $(winepath -u "$target") -ef $installed/quantell.exe ]] || die "the shortcut starts $target"
[[ $(listed) == "$version $maker" ]] || die "installed programs named Quantell: $(listed)"
icon=$(wine reg query 'HKCU\Software\Microsoft\Installer\Products' /s | sed -n 's/.*ProductIcon *REG_SZ *//p')
cmp "$(winepath -u "${icon%$'\r'}")" "${wxs%/*}/app.ico" || die "the installed programs show no icon for it"

wine "$installed/quantell.exe" &
pid=$!
main=$(wait_window --name '^Quantell - Length$')
xdotool windowfocus --sync "$main" key alt+F4
timeout 30 tail --pid="$pid" -f /dev/null || die "the installed program did not end when closed"

# A later version built from the same files, then the first one again, which is older now.
(cd "$work"/Quantell-*-win64 && cmake -E env G_DEBUG=fatal-warnings WINDOWS_LANGUAGE=ja \
    wixl --arch x64 --define Version="$later" --output "$work/later.msi" "$wxs") || die "wixl failed"
install "$work/later.msi" || die "the later version did not install"
[[ $(listed) == "$later $maker" ]] || die "installed after the later version: $(listed)"
! install "$msi" || die "the older version installed over the later one"
[[ $(listed) == "$later $maker" ]] || die "installed after the older version: $(listed)"

wine msiexec /x "$work/later.msi" /qn || die "the uninstallation failed"
[[ -z $(listed) ]] || die "still listed as installed after uninstallation"
snapshot after
# Windows Installer's own empty bookkeeping may stay; nothing else may differ.
installer_own='\[HKEY_CURRENT_USER\\Software\\Microsoft\\Installer(\\[A-Za-z]+)?\]'
installer_own+='|\./(windows|users/[^/]+/AppData/Roaming/Microsoft)/Installer'
left=$(diff "$work/before.txt" "$work/after.txt" | grep '^[<>]' | grep -v -x -E "> ($installer_own)") ||
    true
[[ -z $left ]] || die "uninstallation left (> added, < removed): $left"
echo "check-installer: installed, started, replaced by $later and uninstalled without a trace"
