# Driving the program's main window under X as a person would: real mouse clicks at
# screen positions (xdotool), screenshots of what is on the display (ImageMagick), and
# waits that poll a condition until a deadline. Sourced by scripts/click-through.

VELTRA_TITLE="NORVA Veltra 5"
VELTRA_MAGICK=/usr/bin/convert-im6.q16

# veltra_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; 1 when time is up.
veltra_until() {
    local deadline=$(($(date +%s%N) / 1000000 + $1 * 1000))
    shift
    until "$@"; do
        [ $(($(date +%s%N) / 1000000)) -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The display's windows with their geometry. A window that goes while it is listed makes
# xwininfo complain ("Can't query window tree", "Bad Drawable"): the next poll sees the
# display as it is, so the complaint is dropped.
veltra_window_tree() { xwininfo -root -tree 2>/dev/null; }

veltra_main_window() { xdotool search --onlyvisible --name "^$VELTRA_TITLE\$" 2>/dev/null | head -n 1; }
veltra_main_shown() { [ -n "$(veltra_main_window)" ]; }

# Sets WINDOW_ID, WINDOW_X and WINDOW_Y of the visible main window.
veltra_window_origin() {
    WINDOW_ID=$(veltra_main_window)
    [ -n "$WINDOW_ID" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID" | sed -n 's/^\([XY]\)=/WINDOW_\1=/p')"
}

# veltra_click X Y: a left click at a point of the main window's client area.
veltra_click() {
    xdotool mousemove $((WINDOW_X + $1)) $((WINDOW_Y + $2)) click 1
}

# veltra_shot FILE: the main window's 760 x 560 pixels as PNG.
veltra_shot() {
    import -window root "$1.full.png"
    "$VELTRA_MAGICK" "$1.full.png" -crop "760x560+$WINDOW_X+$WINDOW_Y" +repage "$1"
    rm -f "$1.full.png"
}

# veltra_pixel FILE X Y: "r,g,b" of one pixel.
veltra_pixel() {
    "$VELTRA_MAGICK" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
