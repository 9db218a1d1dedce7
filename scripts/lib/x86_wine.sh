# Whether the 32-bit Wine can run here, sourced by setup and the Wine helpers. Only the x86
# program's tests need it: without it, every script runs Wine with its 64-bit loader.

VELTRA_WINE32_LOADER=${VELTRA_WINE32_LOADER:-/usr/lib/wine/wine}   # from wine32:i386
VELTRA_WINE64_LOADER=/usr/lib/wine/wine64

# A complete i386 ELF program that exits 0: whether this kernel runs 32-bit programs at all
# (WSL1, and kernels built without or booted with ia32_emulation=0, do not).
veltra_kernel_runs_x86() {
    local probe status
    probe=$(mktemp) || return 1
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0' >"$probe"
    printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10' >>"$probe"
    printf '\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0\270\1\0\0\0\61\333\315\200' >>"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    return $status
}

# Prints why the 32-bit Wine is not to be used here, or nothing when it may be.
veltra_x86_refusal() {
    if [ "${VELTRA_NO_X86_WINE:-0}" = 1 ]; then
        echo "VELTRA_NO_X86_WINE=1 is set"
    elif ! veltra_kernel_runs_x86; then
        echo "this kernel cannot run 32-bit programs"
    elif [ -x "$VELTRA_WINE32_LOADER" ] && ! "$VELTRA_WINE32_LOADER" --version >/dev/null 2>&1; then
        echo "the 32-bit Wine loader does not start"
    fi
}

# Prints why the x86 Wine tests cannot run here, or nothing when they can.
veltra_x86_wine_absence() {
    local refusal
    refusal=$(veltra_x86_refusal)
    if [ -n "$refusal" ]; then
        echo "$refusal"
    elif [ ! -x "$VELTRA_WINE32_LOADER" ]; then
        echo "wine32:i386 is not installed"
    fi
}

veltra_x86_missing_line() {  # veltra_x86_missing_line REASON
    echo "setup: no 32-bit Wine here ($1): the x86 Wine tests will be skipped"
}

# The line scripts/test prints, and repeats in its summary, when the x86 suites cannot run.
veltra_x86_skip_line() {  # veltra_x86_skip_line ABSENCE
    [ -z "$1" ] || echo "x86 Wine tests: SKIPPED ($1)"
}
