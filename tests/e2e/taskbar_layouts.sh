#!/usr/bin/env bash
# The bar on the taskbars people have today, imitated by the stand-in taskbar in a desktop
# without Wine's shell. First a taskbar 48 px high that draws its Start button itself, centred
# among its apps (its Start window only marks the place); then, after a restart of the shell, a
# classic one 40 px high whose Start window hides, moved to the top and to the right edge, made
# taller and auto-hidden while Vextral runs. Screenshots of each layout with the panel unfolded.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VX_DESKTOP=bare
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"

rect4() { vx_probe rect "$1" | clean | cut -d' ' -f1-4; }
# The bar's rectangle once it is $1: the watch moves it within a second of the taskbar.
bar_at() {
    local got
    for _ in $(seq 12); do
        got=$(rect4 TForm1)
        [ "$got" = "$1" ] && break
        sleep 0.25
    done
    echo "$got"
}
tell_taskbar() { vx_probe send Shell_TrayWnd "$@" >/dev/null; }
# The roads to the Start menu the stand-in saw since the last asking: 1 a press on its Start
# window, 2 Ctrl+Esc, 4 SC_TASKLIST.
start_roads() { vx_probe send Shell_TrayWnd 0x8004 1 | clean; }
bar_button() { # bar_button left|right [mouse button]
    local bx by offset=37
    [ "$1" = left ] && offset=12
    read -r bx by _ _ <<<"$(rect4 TForm1)"
    click_at $((bx + offset)) $((by + 11)) "${2:-1}"
}
# A click lost on a busy machine is made again, only when nothing came of the first.
unfold() {
    local panel
    for _ in 1 2 3; do
        bar_button left
        panel=$(vx_probe wait TForm3 3000 | clean)
        [ -n "$panel" ] && break
    done
    echo "$panel"
}
fold() {
    for _ in 1 2 3; do
        bar_button left
        vx_probe gone TForm3 3000 && return
    done
}
# Presses tool button N of the unfolded panel (3: drives, 9: the player).
tool_button() {
    local x y w h
    read -r x y w h <<<"$(vx_probe crect TForm3 $((3000 + $1)) | clean)"
    click_at $((x + w / 2)) $((y + h / 2))
}
bottom_of() { local _x y _w h; read -r _x y _w h <<<"$1"; echo $((y + h)); }

echo "taskbar layouts: the Start button drawn by the taskbar"
standin_start drawn
vx_desktop 'C:\Vextral\vextral.exe'
vx_probe wait TForm1 20000 >/dev/null
read -r tx ty tw th <<<"$(rect4 Shell_TrayWnd)"
read -r sx sy sw sh <<<"$(vx_probe startrect | clean)"
check_eq "the taskbar 48 high at the bottom" "0 $((screen_h - 48)) $screen_w 48" "$tx $ty $tw $th"
check_eq "the bar centred on the drawn Start button and across the taskbar" \
    "$((sx + (sw - 50) / 2)) $((ty + 12)) 50 24" "$(bar_at "$((sx + (sw - 50) / 2)) $((ty + 12)) 50 24")"
check_eq "its Start window is left as it was (it hides nothing)" "1" "$(vx_probe start | clean | cut -d' ' -f1)"
start_roads >/dev/null
bar_button right
sleep 0.5
check_eq "the bar's Start button opens Start with Ctrl+Esc, not with a press nothing answers" "2" "$(start_roads)"
xdotool keydown shift && bar_button right && xdotool keyup shift # Shift held during the press
sleep 0.5
check_eq "with Shift held it still reaches the taskbar as Ctrl+Esc" "2" "$(start_roads)"
panel=$(unfold)
check_eq "the panel stands just above the taskbar" "4 $((ty - 180))" "$(echo "$panel" | cut -d' ' -f1-2)"
sleep 0.5
import -window root "$shots/taskbar_drawn.png"
fold

# Apps pinned and opened: the centred Start button moves left, and the bar goes with it.
tell_taskbar 0x8003 6
read -r sx _ sw _ <<<"$(vx_probe startrect | clean)"
check_eq "the bar follows the Start button when apps are added" "$((sx + (sw - 50) / 2)) $((ty + 12)) 50 24" \
    "$(bar_at "$((sx + (sw - 50) / 2)) $((ty + 12)) 50 24")"
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced' /v TaskbarAl /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1
tell_taskbar 0x001A # WM_SETTINGCHANGE: the alignment is read again
read -r sx _ sw _ <<<"$(vx_probe startrect | clean)"
check_eq "and to the left end when the taskbar is left-aligned" "$((sx + (sw - 50) / 2)) $((ty + 12)) 50 24" \
    "$(bar_at "$((sx + (sw - 50) / 2)) $((ty + 12)) 50 24")"
sleep 0.5
import -window root "$shots/taskbar_drawn_left.png"

kill -9 "$(standin_pid)"
vx_probe gone Shell_TrayWnd 10000
standin_start drawn nostart
check_eq "without a Start window the bar stands at the taskbar's leading end" "3 $((ty + 12)) 50 24" \
    "$(bar_at "3 $((ty + 12)) 50 24")"

echo "taskbar layouts: a classic taskbar, 40 px, whose Start window hides"
kill -9 "$(standin_pid)"
vx_probe gone Shell_TrayWnd 10000
standin_start classic
read -r tx ty tw th <<<"$(rect4 Shell_TrayWnd)"
check_eq "the bar in the Start window's place, centred across the taskbar" "3 $((ty + 8)) 50 24" \
    "$(bar_at "3 $((ty + 8)) 50 24")"
check_eq "the Start window hidden" "0" "$(vx_probe start | clean | cut -d' ' -f1)"
panel=$(unfold)
check_eq "the panel just above the taskbar, clear of it" "4 $((ty - 180)) 28 180" "$panel"
tool_button 9
player=$(vx_probe wait TForm8 5000 | clean)
check "the player clear of the taskbar too ($player)" test "$(bottom_of "$player")" -le "$ty"
sleep 0.5
import -window root "$shots/taskbar_classic_bottom.png"
tool_button 9
bar_button right
sleep 0.5
check_eq "the bar's Start button presses the Start window" "1" "$(start_roads)"
fold

tell_taskbar 0x8001 1 40 # to the top
check_eq "moved to the top: the bar goes with it" "3 8 50 24" "$(bar_at "3 8 50 24")"
panel=$(unfold)
check_eq "the panel hangs below the taskbar" "4 40 28 180" "$panel"
tool_button 3
dialog=$(vx_probe wait TForm2 5000 | clean)
check_eq "the drive dialog beside it, just as high" "36 40" "$(echo "$dialog" | cut -d' ' -f1-2)"
sleep 0.5
import -window root "$shots/taskbar_classic_top.png"
tool_button 3
fold

tell_taskbar 0x8001 3 62 # to the right edge, 62 px wide
right=$((screen_w - 62))
check_eq "at the right edge: the bar at the top, centred across the width" "$((right + 6)) 3 50 24" \
    "$(bar_at "$((right + 6)) 3 50 24")"
panel=$(unfold)
check_eq "the panel beside the taskbar, at the bar's height" "$((right - 28)) 3 28 180" "$panel"
tool_button 3
read -r dx dy dw _ <<<"$(vx_probe wait TForm2 5000 | clean)"
check_eq "the drive dialog on the panel's free side" "$((right - 28 - 4)) 3" "$((dx + dw)) $dy"
sleep 0.5
import -window root "$shots/taskbar_classic_right.png"
tool_button 3
fold

tell_taskbar 0x8001 0 48 # back at the bottom, taller
ty=$((screen_h - 48))
check_eq "made taller: the bar centred again" "3 $((ty + 12)) 50 24" "$(bar_at "3 $((ty + 12)) 50 24")"
tell_taskbar 0x8002 1
check_eq "auto-hidden: the bar goes below the screen with it" "3 $((screen_h - 2 + 12)) 50 24" \
    "$(bar_at "3 $((screen_h - 2 + 12)) 50 24")"
tell_taskbar 0x8002 0
check_eq "and comes back with it" "3 $((ty + 12)) 50 24" "$(bar_at "3 $((ty + 12)) 50 24")"

close_program
check "the program ends" vx_probe gone TForm1 10000
sleep 0.5
check_eq "the exit shows the Start window again" "1" "$(vx_probe start | clean | cut -d' ' -f1)"
kill -9 "$(standin_pid)" 2>/dev/null
summary
