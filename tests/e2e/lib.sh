#!/usr/bin/env bash
# A tiny assertion library for the end-to-end scripts. Each check prints one line; the
# summary line counts them.
VX_PASSED=0
VX_FAILED=0

check() { # check NAME COMMAND...
    local name=$1
    shift
    if "$@"; then
        VX_PASSED=$((VX_PASSED + 1))
        echo "  ok   $name"
    else
        VX_FAILED=$((VX_FAILED + 1))
        echo "  FAIL $name"
    fi
}

check_eq() { # check_eq NAME EXPECTED ACTUAL
    local name=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        VX_PASSED=$((VX_PASSED + 1))
        echo "  ok   $name"
    else
        VX_FAILED=$((VX_FAILED + 1))
        echo "  FAIL $name: expected [$expected], got [$actual]"
    fi
}

# Strips the carriage returns that Windows programs print.
clean() { tr -d '\r'; }

summary() {
    echo "$VX_PASSED passed, $VX_FAILED failed"
    [ "$VX_FAILED" -eq 0 ]
}

# The registry value of HKCU\Software\Vextral as "TYPE DATA".
reg_value() {
    wine reg query 'HKCU\Software\Vextral' /v "$1" 2>/dev/null | clean | awk -v n="$1" '$1 == n {print $2, $3}'
}

# Click at a screen point of the Wine desktop (the desktop fills the X screen at 0, 0).
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.3; }

# Moves the pointer from a bare spot of the desktop onto (x, y), once no tooltip is showing.
hover_at() {
    xdotool mousemove 300 300
    vx_probe gone tooltips_class32 3000
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool mousemove $(($1 + 1)) "$2"
}

# Prints the tooltip that a hover at (x, y) shows. A busy machine can drop the pointer's motion
# before the tooltip control sees it, so a hover that shows nothing is tried up to three times.
tip_at() {
    local tip="" _
    for _ in 1 2 3; do
        hover_at "$1" "$2"
        tip=$(vx_probe tip 4000 | clean)
        [ -n "$tip" ] && break
    done
    echo "$tip"
}

# The usual start of an end-to-end script: a fresh Wine session in the Russian locale, the
# desktop ($VX_DESKTOP: "shell" has Wine's taskbar), and vextral.exe copied to C:\Vextral
# ($app). Screenshots go to $shots.
vx_e2e_start() {
    shots=${VX_SHOTS:-$VX_BUILD/screenshots}
    mkdir -p "$shots"
    vx_russian_locale
    vx_session_start
    trap vx_session_stop EXIT
    vx_desktop_start
    app="$WINEPREFIX/drive_c/Vextral"
    mkdir -p "$app"
    cp "$VX_BUILD/win/vextral.exe" "$app/"
}

# Unfolds the tool panel and presses its last button, the player's.
show_player() {
    local bar bx by panel px py pw ph
    bar=$(vx_probe wait TForm1 20000 | clean)
    read -r bx by _ _ <<<"$bar"
    click_at $((bx + 12)) $((by + 11))
    panel=$(vx_probe wait TForm3 5000 | clean)
    read -r px py pw ph <<<"$panel"
    # A click that comes while the panel is still being mapped on a busy machine is lost: the
    # player button is pressed again only when no player window came of the first press.
    local try
    for try in 1 2 3; do
        click_at $((px + pw / 2)) $((py + ph - 11))
        [ -n "$(vx_probe wait TForm8 $((try * 2000)) | clean)" ] && return 0
    done
    return 1
}

# Asks the program to close through the main bar's menu: "Закрыть", then "&Yes".
ask_to_close() {
    local bar bx by popup mx my
    bar=$(vx_probe wait TForm1 5000 | clean)
    read -r bx by _ _ <<<"$bar"
    click_at $((bx + 12)) $((by + 11)) 3
    popup=$(vx_probe popup 5000 | clean)
    read -r mx my _ _ <<<"$popup"
    click_at $((mx + 30)) $((my + 10))
    vx_probe box Confirm 5000 >/dev/null
    vx_probe answer Confirm '&Yes' >/dev/null
}

# Closes the program through the main bar's menu and waits for it to end.
close_program() {
    ask_to_close
    vx_probe gone TForm1 10000
}

# The player's display list (its last line "selected N") and its countdown label.
player_items() { vx_probe items TForm8 8003 | clean; }
player_label() { vx_probe control TForm8 8002 | clean; }
# The player's display list once entry $1 is selected, waiting up to 10 s for it.
wait_list_selected() {
    local list
    for _ in $(seq 40); do
        list=$(player_items)
        [ "${list##*$'\n'}" = "selected $1" ] && break
        sleep 0.25
    done
    echo "$list"
}
# Only the selection line of that list.
wait_selected() {
    local list
    list=$(wait_list_selected "$1")
    echo "${list##*$'\n'}"
}

# Two readings of the player's countdown a second and a half apart: "moving" when they differ.
countdown() {
    local a b
    a=$(player_label)
    sleep 1.5
    b=$(player_label)
    [ "$a" != "$b" ] && echo moving || echo "standing at $a"
}
# Double-clicks the player's first entry at (X, Y) until it is selected: a double-click lost on
# a busy machine is given again, only while nothing was selected by it. Prints the selection.
play_first_entry() {
    local started
    for _ in 1 2 3; do
        xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1
        started=$(wait_selected 0)
        [ "$started" = "selected 0" ] && break
    done
    echo "$started"
}

# Silent 8 kHz mono WAVs of the given seconds.
make_wav() {
    python3 - "$1" "$2" <<'PY'
import struct, sys
name, seconds = sys.argv[1], float(sys.argv[2])
data = b"\x80" * int(8000 * seconds)
with open(name, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt ")
    f.write(struct.pack("<IHHIIHH", 16, 1, 1, 8000, 8000, 1, 8))
    f.write(b"data" + struct.pack("<I", len(data)) + data)
PY
}

# Processes of this session's prefix only (other sessions may run the same programs) whose
# command line starts with PATTERN: the program itself, not the launcher that names it too.
session_pids() {
    local pid
    for pid in $(pgrep -f "$1"); do
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done
}

# The stand-in taskbar (tests/e2e/standin, copied beside vextral.exe), for a desktop without
# Wine's shell: standin_start [ARGS] starts it and waits for it, standin_pid names its process.
standin_pid() { session_pids '^C:.Vextral.standin_taskbar.exe' | head -n 1; }
standin_start() {
    # Wine's desktop makes a hidden, empty "Shell_TrayWnd" of its own. Started before it, the
    # stand-in would stand below it, and the taskbar found by its class would have no Start
    # button: the stand-in starts once the desktop's is there.
    for _ in $(seq 50); do vx_probe rect Shell_TrayWnd >/dev/null && break; sleep 0.2; done
    cp -n "$VX_BUILD/win/tests/e2e/standin/standin_taskbar.exe" "$app/"
    vx_desktop 'C:\Vextral\standin_taskbar.exe' "$@"
    vx_probe wait Shell_TrayWnd 20000 >/dev/null
}
