#!/usr/bin/env bash
# scripts/prepare-machine on a scratch build folder with a Wine prefix of its own: one
# machine's files, registry values and Windows version, then a switch to another machine
# that removes the first one's services, values and files.
#   prepare_machine_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
root=$1
build=$2
. "$root/scripts/lib/wine.sh"
scratch=$(mktemp -d "$build/prepare-test.XXXXXX")
export WINEPREFIX="$scratch/prefix"
trap 'veltra_wine_stop; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin"
ln -s "$build/host" "$scratch/host"
ln -s "$build/sim-drivers" "$scratch/sim-drivers"
# The drivers of the prefix's Windows (an x86 build has both word sizes' drivers).
if veltra_prefix_is_64bit; then
    porvik=Porvik_X64.sys norvabios=norvabios64_100507.sys
else
    porvik=Porvik.sys norvabios=norvabios32_100507.sys
fi

fail() { echo "prepare-machine test FAILED: $*" >&2; exit 1; }
value() { wine reg query "$1" /v "$2" "$(veltra_reg_view "$scratch/bin/veltra-cli.exe")" </dev/null 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { print $3 }'; }
expect_value() { [ "$(value "$1" "$2")" = "$3" ] || fail "$1 $2 is '$(value "$1" "$2")', not '$3'"; }
service_state() { veltra_wine_native sc query "$1" </dev/null 2>/dev/null | tr -d '\r' | awk '$1 == "STATE" { print $4 }'; }

"$root/scripts/prepare-machine" "$root/examples/machines/demo-pc" "$scratch" >/dev/null
for file in "$porvik" "$norvabios" sim-machine.bin VT5/DL_INFO/VGACardList.rec; do
    [ -f "$scratch/bin/$file" ] || fail "demo-pc: bin/$file missing"
done
"$build/host/veltra-profile" compile "$root/examples/machines/demo-pc/machine.profile" "$scratch/expected.bin"
cmp -s "$scratch/expected.bin" "$scratch/bin/sim-machine.bin" || fail "demo-pc: sim-machine.bin is not the compiled profile"
[ "$(stat -c %s "$scratch/bin/VT5/DL_INFO/VGACardList.rec")" = 280 ] || fail "demo-pc: card list is not 2 records"
expect_value 'HKCU\Software\Wine' Version win7
expect_value 'HKLM\SOFTWARE\NVIDIA Corporation\Installer' version 190.38
expect_value 'HKLM\SOFTWARE\Norva\Veltra Series' AppVersion 5.0.0

# The program would now install and start the driver; the next machine must remove it.
veltra_wine_native sc create Porvik_1_0_4 type= kernel start= demand binPath= "$(winepath -w "$scratch/bin/$porvik")" </dev/null >/dev/null 2>&1
veltra_wine_native sc start Porvik_1_0_4 </dev/null >/dev/null 2>&1
[ "$(service_state Porvik_1_0_4)" = RUNNING ] || fail "the demo-pc driver did not start"

"$root/scripts/prepare-machine" "$root/tests/wine/hardware/machines/other-pc" "$scratch" >/dev/null
[ -z "$(service_state Porvik_1_0_4)" ] || fail "the previous machine's service is still there"
[ ! -e "$scratch/bin/$porvik" ] || fail "other-pc: the missing driver is still in bin/"
[ -f "$scratch/bin/$norvabios" ] || fail "other-pc: $norvabios missing"
[ ! -e "$scratch/bin/VT5/DL_INFO/VGACardList.rec" ] || fail "other-pc: demo-pc's card list is still there"
[ -z "$(value 'HKLM\SOFTWARE\NVIDIA Corporation\Installer' version)" ] || fail "other-pc: demo-pc's NVIDIA value is still there"
expect_value 'HKCU\Software\Wine' Version winxp
expect_value 'HKLM\SOFTWARE\Norva\Veltra Series' WorkDir 'D:\Other'
echo "prepare-machine test passed"
