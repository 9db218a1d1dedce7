#!/usr/bin/env bash
# Setup and the Wine helpers on a machine without a usable 32-bit Wine, made so on any
# machine: VELTRA_NO_X86_WINE=1, a 32-bit loader that cannot start, and an apt whose
# indexes are being synced or that cannot install. apt-get, dpkg-query and id are stand-ins
# on PATH; nothing is installed.   setup_test.sh SOURCE_DIR
set -u
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
expect() {  # expect WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}
expect_line() {  # expect_line WHAT LINE OUTPUT: OUTPUT holds LINE as one of its lines
    grep -qxF -- "$2" <<<"$3" || { printf 'FAILED: %s\n  no line: %s\n  in:\n%s\n' "$1" "$2" "$3"; failures=$((failures + 1)); }
}

# "Loaders": one the kernel refuses to run, as a 32-bit one is where it cannot run i386,
# and one that starts.
printf 'not a program' >"$scratch/wine32"
printf '#!/bin/sh\nexit 0\n' >"$scratch/wine32-starts"
chmod +x "$scratch/wine32" "$scratch/wine32-starts"
. "$source_dir/scripts/lib/x86_wine.sh"
kernel_refusal=
veltra_kernel_runs_x86 || kernel_refusal="this kernel cannot run 32-bit programs"
refused_loader=${kernel_refusal:-the 32-bit Wine loader does not start}

# What the helpers decide: the reason, the skip line, the loader every Wine call goes through.
while IFS='|' read -r switch loader reason; do
    out=$(VELTRA_NO_X86_WINE=$switch VELTRA_WINE32_LOADER=$loader bash -c '
        . "$1/scripts/lib/wine.sh"
        echo "$VELTRA_X86_WINE_ABSENCE"
        veltra_x86_skip_line "$VELTRA_X86_WINE_ABSENCE"
        command -v wine
        echo "${WINELOADER:-}"' _ "$source_dir")
    reason=${reason/REFUSED/$refused_loader}
    reason=${reason/KERNEL/$kernel_refusal}
    if [ -n "$reason" ]; then
        expected="$reason"$'\n'"x86 Wine tests: SKIPPED ($reason)"$'\n'
        expected+="$source_dir/scripts/lib/wine64-loader/wine"$'\n'"/usr/lib/wine/wine64"
    else  # nothing skipped, Debian's own wine
        expected=$'\n'"$(command -v wine)"
    fi
    expect "switch=$switch loader=$loader" "$expected" "$out"
done <<EOF
1|$scratch/wine32|VELTRA_NO_X86_WINE=1 is set
0|$scratch/wine32|REFUSED
0|$scratch/none|${kernel_refusal:-wine32:i386 is not installed}
0|$scratch/wine32-starts|KERNEL
1|$scratch/wine32-starts|VELTRA_NO_X86_WINE=1 is set
EOF
if [ -x /usr/lib/wine/wine64 ]; then
    version=$(VELTRA_NO_X86_WINE=1 bash -c '. "$1/scripts/lib/wine.sh"; wine --version' _ "$source_dir")
    expect "wine through the 64-bit loader starts" "wine-" "${version:0:5}"
fi

# Stand-ins: apt-get logs its calls and answers as the scenario says; dpkg-query says the
# listed packages are missing and asks the real one for the rest; id says root.
mkdir "$scratch/bin"
cat >"$scratch/bin/apt-get" <<'EOF'
#!/bin/bash
echo "$*" >>"$SCENARIO/calls"
case "$1" in
update) n=$(grep -c '^update' "$SCENARIO/calls")
    [ "$n" -gt "$(cat "$SCENARIO/failed_updates")" ] && exit 0
    echo "E: Failed to fetch binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
install) [ -s "$SCENARIO/install_error" ] || exit 0
    echo "Reading package lists..."; cat "$SCENARIO/install_error"; exit 100 ;;
esac
EOF
cat >"$scratch/bin/dpkg-query" <<'EOF'
#!/bin/bash
grep -qxF -- "${!#}" "$SCENARIO/missing" 2>/dev/null && exit 1
exec /usr/bin/dpkg-query "$@"
EOF
printf '#!/bin/sh\necho 0\n' >"$scratch/bin/id"
chmod +x "$scratch/bin/"*
skip_line="setup: no 32-bit Wine here (VELTRA_NO_X86_WINE=1 is set): the x86 Wine tests will be skipped"
export SCENARIO="$scratch/scenario"
scenario() {  # scenario MISSING FAILED_UPDATES INSTALL_ERROR: setup's output and exit status
    rm -rf "$SCENARIO"; mkdir "$SCENARIO"; touch "$SCENARIO/calls"
    printf '%s\n' $1 >"$SCENARIO/missing"
    echo "$2" >"$SCENARIO/failed_updates"
    printf '%s' "$3" >"$SCENARIO/install_error"
    PATH="$scratch/bin:$PATH" VELTRA_NO_X86_WINE=1 VELTRA_APT_PAUSE=0 "$source_dir/scripts/setup" 2>&1
    echo "exit $?"
}

# Everything there (the 64-bit set is, where this test runs): no apt at all.
out=$(scenario "" 0 "")
expect_line "nothing missing" "setup: everything needed is installed" "$out"
expect_line "nothing missing: the 32-bit line" "$skip_line" "$out"
expect_line "nothing missing: exit" "exit 0" "$out"
expect "nothing missing: apt not called" "" "$(cat "$SCENARIO/calls")"
# A mirror being synced: three tries, one line, the 64-bit set installed all the same.
out=$(scenario nsis 9 "")
expect "index never complete: tries" "3 update, then install" \
    "$(grep -c '^update' "$SCENARIO/calls") update, then $(tail -n 1 "$SCENARIO/calls" | cut -d' ' -f1)"
expect_line "index never complete: line" "setup: some package indexes could not be updated (Failed to fetch binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?); going on with the ones apt has" "$out"
expect_line "index never complete: exit" "exit 0" "$out"
out=$(scenario nsis 1 "")
expect "index complete at the second try" "2" "$(grep -c '^update' "$SCENARIO/calls")"
! grep -q 'could not be updated' <<<"$out" || expect "index complete at the second try: no line" "" "$out"
# The 64-bit set cannot be installed: one FAILED line with the packages and apt's reason.
out=$(scenario "nsis xauth" 0 "E: Unable to locate package nsis")
expect_line "install fails" "setup: FAILED: installing xauth nsis: Unable to locate package nsis" "$out"
expect_line "install fails: exit" "exit 1" "$out"

[ "$failures" -eq 0 ] || { echo "setup_test: $failures failed"; exit 1; }
echo "setup_test: passed"
