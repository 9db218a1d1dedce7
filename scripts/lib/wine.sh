# Shared Wine helpers, sourced by the scripts: one prefix per build folder, one Xvfb
# display and one persistent wineserver per prefix.

. "$(dirname "${BASH_SOURCE[0]}")/x86_wine.sh"

export WINEDEBUG=${WINEDEBUG:--all}

# Why the x86 program cannot run under Wine here, or nothing when it can. Without the 32-bit
# Wine, every Wine call goes through the 64-bit loader: Debian's `wine` would pick an
# installed 32-bit loader even where the kernel cannot run it ("Exec format error").
VELTRA_X86_WINE_ABSENCE=$(veltra_x86_wine_absence)
if [ -n "$VELTRA_X86_WINE_ABSENCE" ] && [ -x "$VELTRA_WINE64_LOADER" ]; then
    case ":$PATH:" in
    *"/wine64-loader:"*) ;;
    *) PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-loader:$PATH" ;;
    esac
    export WINELOADER=$VELTRA_WINE64_LOADER
fi
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Seconds the wineserver (and with it the Xvfb display) outlives the last Wine program.
VELTRA_WINE_PERSIST=${VELTRA_WINE_PERSIST:-30}

veltra_wine_display() {
    # A display of our own when none is set, kept until veltra_wine_stop: with -terminate
    # it would end whenever Wine's desktop process does, which happens between two tests.
    local file="$WINEPREFIX.display"
    if [ -n "${DISPLAY:-}" ]; then
        # A display of ours that has gone is replaced, so a test run that exported it goes on.
        if [ ! -f "$file" ] || [ "$DISPLAY" != ":$(cut -d' ' -f1 "$file")" ] ||
            kill -0 "$(cut -d' ' -f2 "$file")" 2>/dev/null; then
            return 0
        fi
        unset DISPLAY
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ -f "$file" ] && kill -0 "$(cut -d' ' -f2 "$file")" 2>/dev/null; then
        export DISPLAY=":$(cut -d' ' -f1 "$file")"
        return 0
    fi
    # A server that outlived its display keeps its desktop on that display (whose number
    # another Xvfb may have taken since): end it so the new display serves every window.
    wineserver -k >/dev/null 2>&1 || true
    local fifo
    fifo=$(mktemp -u); mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    local pid=$! number
    read -r -t 10 number <"$fifo" || { rm -f "$fifo"; echo "wine: Xvfb did not start" >&2; return 1; }
    rm -f "$fifo"
    echo "$number $pid" >"$file"
    export DISPLAY=":$number"
}

veltra_wine_server() {
    # A persistent server started apart from the caller's output, so the system processes
    # Wine starts (services.exe, winedevice.exe) do not hold a test runner's pipe open.
    if wineserver -p"$VELTRA_WINE_PERSIST" </dev/null >/dev/null 2>&1; then
        wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    fi
}

# What a prefix was made for: a 64-bit prefix made before the 32-bit Wine was installed no
# longer starts 64-bit programs ("could not load kernel32.dll"), so such a prefix is made anew.
veltra_wine_kind() {
    local wine32=yes
    [ -z "$VELTRA_X86_WINE_ABSENCE" ] || wine32=no
    echo "arch=${WINEARCH:-win64} wine32=$wine32"
}

veltra_wine_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        local kind
        kind=$(veltra_wine_kind)
        if [ "$(cat "$WINEPREFIX/.veltra-ready" 2>/dev/null)" != "$kind" ]; then
            [ ! -d "$WINEPREFIX" ] || echo "wine: making $WINEPREFIX anew for $kind" >&2
            wineserver -k >/dev/null 2>&1 || true
            rm -rf "$WINEPREFIX"
            # Without the display: a client that comes and goes would end an Xvfb -terminate.
            env -u DISPLAY wineboot -i </dev/null >/dev/null 2>&1
            wineserver -w
            echo "$kind" >"$WINEPREFIX/.veltra-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# True when the prefix is 64-bit Windows (the default); WINEARCH=win32 makes 32-bit ones.
veltra_prefix_is_64bit() {
    [ "${WINEARCH:-win64}" = win64 ]
}

# The demo PC with the prefix's Windows: 64-bit, or 32-bit in a win32 prefix.
#   veltra_demo_machine SOURCE_DIR  prints the machine's profile folder
veltra_demo_machine() {
    if veltra_prefix_is_64bit; then echo "$1/examples/machines/demo-pc"; else echo "$1/examples/machines/demo-pc-x86"; fi
}

# The registry view of a program, for `wine reg`: with the 32-bit Wine installed that is the
# 32-bit reg.exe, which sees HKLM\SOFTWARE as 32-bit programs do, so values a 64-bit program
# reads need /reg:64. Without the program, the prefix's own view.
#   veltra_reg_view EXE  prints /reg:64 or /reg:32
veltra_reg_view() {
    local header machine
    if [ ! -f "$1" ]; then
        if veltra_prefix_is_64bit; then echo /reg:64; else echo /reg:32; fi
        return
    fi
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
    if [ "$machine" = 8664 ]; then echo /reg:64; else echo /reg:32; fi
}

# Prefix, display and server, ready for `wine program`.
veltra_wine_ready() {
    veltra_wine_prefix
    veltra_wine_display
    veltra_wine_server
}

# Ends the server and the display of the prefix in WINEPREFIX.
veltra_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    local file="$WINEPREFIX.display"
    if [ -f "$file" ]; then
        kill "$(cut -d' ' -f2 "$file")" 2>/dev/null || true
        rm -f "$file"
    fi
}
