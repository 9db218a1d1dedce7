#!/usr/bin/env bash
# The installer in a fresh prefix: silent install, the installed program identifies the demo
# PC, then silent uninstalls that keep and then remove the downloads; the prefix's files,
# services and registry values after the uninstall are those before the install.
#   installer_test.sh SOURCE_DIR BUILD_DIR INSTALLER VERSION
set -euo pipefail
source_dir=$1 build=$2 installer=$3 version=$4
. "$source_dir/scripts/lib/wine.sh"
. "$source_dir/scripts/lib/installed.sh"
. "$source_dir/scripts/lib/window.sh"

work="$build/installer-test"
rm -rf "$work" && mkdir -p "$work"
export WINEPREFIX="$work/prefix"
unset DISPLAY
trap veltra_wine_stop EXIT
veltra_wine_ready

program_dir="$WINEPREFIX/drive_c/Program Files/Norva/Veltra"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect_value() {  # expect_value KEY NAME TEXT
    local found
    found=$(wine reg query "$1" /v "$2" "$view" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p")
    [ "$found" = "$3" ] || fail "$1 $2 is '$found', expected '$3'"
}
# Files of drive_c outside Wine's own folders, and the keys the installer touches, in both views.
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print | sort)
    for side in /reg:32 /reg:64; do
        for key in 'HKLM\SOFTWARE\Norva' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltra' \
            'HKLM\System\CurrentControlSet\Services\Porvik_1_0_4' \
            'HKLM\System\CurrentControlSet\Services\NORVA_NORVABIOS_010507'; do
            wine reg query "$key" /s "$side" >/dev/null 2>&1 && echo "registry key $key $side"
        done
        wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v 'Veltra Reminder' "$side" >/dev/null 2>&1 &&
            echo "registry value Run\\Veltra Reminder $side"
    done
    return 0
}
# The uninstaller copies itself away and returns at once: wait until its last step, the
# removal of its "Programs and Features" entry, is done.
uninstalled() { ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltra' "$view" >/dev/null 2>&1; }
uninstall() {
    wine "C:\\Program Files\\Norva\\Veltra\\uninstall.exe" /S "$@"
    veltra_until 60 uninstalled || fail "the uninstaller did not finish"
}

snapshot >"$work/before.txt"

echo "$(date +%T) installer: silent install"
wine "$installer" /S /SERVER=http://127.0.0.1:9/updates/ </dev/null
view=$(veltra_reg_view "$program_dir/veltra-cli.exe")  # the installed program's registry view
for file in veltra.exe veltra-cli.exe uninstall.exe VT5/LOG VT5/DL_INFO VT5/DL_FILE VT5/skin; do
    [ -e "$program_dir/$file" ] || fail "$file not installed"
done
program_key='HKLM\SOFTWARE\Norva\Veltra Series'
expect_value "$program_key" WorkDir 'C:\Program Files\Norva\Veltra\'
expect_value "$program_key" AppVersion "$version"
expect_value "$program_key" UpdateServer 'http://127.0.0.1:9/updates/'
expect_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' 'Veltra Reminder' \
    '"C:\Program Files\Norva\Veltra\veltra.exe" /REMINDER'
expect_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltra' DisplayVersion "$version"
[ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Norva Veltra/Veltra.lnk" ] ||
    fail "no Start-menu shortcut"

echo "$(date +%T) installer: the installed program on the demo PC (simulated drivers in the program's folder)"
machine="$work/machine-build"
veltra_installed_build "$build" "$program_dir" "$machine"
"$source_dir/scripts/prepare-machine" "$(veltra_demo_machine "$source_dir")" "$machine" >/dev/null
# The machine's profile sets the program's values too: installing again over the installed
# program puts the installer's back.
wine "$installer" /S </dev/null
identity=$(wine "C:\\Program Files\\Norva\\Veltra\\veltra-cli.exe" identify --json </dev/null | tr -d '\r')
# The demo PC's Windows is the prefix's: 64-bit, or 32-bit in a win32 prefix.
os='"nOS":4096,"sOSName":"Windows 7 64Bit"'
veltra_prefix_is_64bit || os='"nOS":2048,"sOSName":"Windows 7 32Bit"'
for field in '"cMB_Model":"QB-7100"' '"sInstallDir":"C:\\Program Files\\Norva\\Veltra\\"' \
    "\"sAppVersion\":\"$version\"" "$os"; do
    echo "$identity" | grep -qF "$field" || fail "installed veltra-cli identify has no $field: $identity"
done
# The uninstaller must end a running copy first.
wine "C:\\Program Files\\Norva\\Veltra\\veltra.exe" </dev/null >/dev/null 2>&1 &
veltra_until 60 veltra_main_shown || fail "the installed veltra.exe showed no window"
# What stands for the maker's PC and its drivers' logs goes; the driver files and services stay
# for the uninstaller to remove.
while IFS=$'\t' read -r key name; do
    wine reg delete "$key" /v "$name" /f "$view" >/dev/null 2>&1 || true
done <"$WINEPREFIX/sim-machine.values"
grep -o '^HKLM\\SOFTWARE\\Norva\\[^\\'$'\t'']*' "$WINEPREFIX/sim-machine.values" | sort -u |
    grep -v 'Veltra Series' | while read -r key; do wine reg delete "$key" /f "$view" >/dev/null 2>&1 || true; done
(cd "$program_dir" && rm -f sim-machine.bin sim-machine.files ./*.requests)
wine reg query 'HKLM\System\CurrentControlSet\Services\Porvik_1_0_4' >/dev/null 2>&1 ||
    fail "the identification left no I/O driver service to remove"

echo "$(date +%T) installer: silent uninstall keeps the downloads"
echo "an update program" >"$program_dir/VT5/DL_FILE/update.exe"
pgrep -f 'Veltra.veltra\.exe' >/dev/null || fail "veltra.exe is not running before the uninstall"
uninstall
[ -f "$program_dir/VT5/DL_FILE/update.exe" ] || fail "the uninstaller removed the downloads"
# taskkill ends the copy through Wine's server; its Linux process goes a moment later.
copy_ended() { ! pgrep -f 'Veltra.veltra\.exe' >/dev/null; }
veltra_until 5 copy_ended || fail "veltra.exe still runs after the uninstall"
for file in veltra.exe veltra-cli.exe Porvik_X64.sys Porvik.sys norvabios64_100507.sys norvabios32_100507.sys \
    VT5/LOG VT5/skin; do
    [ ! -e "$program_dir/$file" ] || fail "$file left after uninstall"
done
snapshot >"$work/kept.txt"
grep -q 'registry' "$work/kept.txt" && fail "registry left after uninstall: $(grep registry "$work/kept.txt")"

echo "$(date +%T) installer: install again, uninstall with /DELETEDOWNLOADS"
wine "$installer" /S </dev/null
uninstall /DELETEDOWNLOADS
snapshot >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the prefix differs from before the install (lines above: < before, > after)"

[ "$failures" -eq 0 ] || { echo "$(date +%T) installer: $failures failure(s)"; exit 1; }
echo "$(date +%T) installer: install, identify and uninstall passed"
