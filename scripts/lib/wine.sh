# Shared Wine helpers, sourced by the scripts: one prefix per build folder, one Xvfb
# display and one persistent wineserver per prefix.

export WINEDEBUG=${WINEDEBUG:--all}
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

veltra_wine_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.veltra-ready" ]; then
            rm -rf "$WINEPREFIX"
            # Without the display: a client that comes and goes would end an Xvfb -terminate.
            env -u DISPLAY wineboot -i </dev/null >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.veltra-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
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
