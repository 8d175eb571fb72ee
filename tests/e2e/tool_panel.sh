#!/usr/bin/env bash
# The tool panel in a Wine desktop with a taskbar: placement, buttons and tooltips, the screen
# saver and screenshot on ToolButton7, the windows it toggles, and the close button.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveActive /t REG_SZ /d 1 /f >/dev/null 2>&1

# Wine's message trace of the program shows what it posts: the screen saver request is a
# WM_SYSCOMMAND with SC_SCREENSAVE (f140).
trace=$(mktemp)
WINEDEBUG=trace+msg wine explorer /desktop=shell,"$VX_DESKTOP_SIZE" 'C:\Vextral\vextral.exe' >/dev/null 2>"$trace" &
VX_PIDS+=($!)
saver_requests() { grep -c 'NtUserPostMessage.*WM_SYSCOMMAND.*wp f140' "$trace"; }

echo "tool panel: placement and buttons"
bar=$(vx_probe wait TForm1 20000 | clean)
read -r bx by _ _ <<<"$bar"
check_eq "panel hidden at start" "4 559 28 180 0" "$(vx_probe rect TForm3 | clean)"
click_at $((bx + 12)) $((by + 11))
check_eq "unfolded panel occupies rows 559-738, columns 4-31" "4 559 28 180" "$(vx_probe wait TForm3 5000 | clean)"
check_eq "the bar's button now folds" "Свернуть" "$(vx_probe control TForm1 1002 | clean)"

# Buttons top to bottom with their control IDs (3000 + N for ToolButtonN) and hints.
ids=(3002 3008 3003 3006 3007 3005 3004 3009)
hints=("Завершение работы Windows" "Закрыть" "Выбрать/Открыть диск" "Извлечь диск из CD-ROM привода"
    "Включить ScreenSaver/Снимок экрана" "Открыть папку" "Свернуть/Закрыть окна" "")
names=("${hints[@]:0:7}" "Плеер") # the player's button has no tooltip, only a name
centre_y() { echo $((559 + 2 + 22 * $1 + 11)); }
button_x=18
for i in "${!ids[@]}"; do
    check_eq "ToolButton$((ids[i] - 3000)) at top $((22 * i)) in the bar, 24 x 22" \
        "6 $((561 + 22 * i)) 24 22" "$(vx_probe crect TForm3 "${ids[i]}" | clean)"
    check_eq "ToolButton$((ids[i] - 3000)) window text and accessible name" "${names[i]}
${names[i]}" "$(vx_probe text TForm3 "${ids[i]}" | clean; vx_probe accname TForm3 "${ids[i]}" | clean)"
done
import -window root "$shots/tool_panel.png"

echo "tool panel: tooltips"
for i in "${!ids[@]}"; do
    if [ -n "${hints[i]}" ]; then
        check_eq "tooltip of ToolButton$((ids[i] - 3000))" "${hints[i]}" \
            "$(tip_at "$button_x" "$(centre_y "$i")")"
        [ "$i" = 0 ] && import -window root "$shots/tool_panel_tooltip.png"
    else
        hover_at "$button_x" "$(centre_y "$i")"
        check "ToolButton9 shows no tooltip" test -z "$(vx_probe tip 2500 | clean)"
    fi
done
xdotool mousemove 300 300

echo "tool panel: screen saver and screenshot"
y7=$(centre_y 4)
before=$(saver_requests)
click_at "$button_x" "$y7" 1
sleep 0.5
check_eq "left click on ToolButton7 asks for the screen saver once" "$((before + 1))" "$(saver_requests)"
check "left click opens no save dialog" test -z "$(vx_probe wait '#32770' 2000 | clean)"

before=$(saver_requests)
click_at "$button_x" "$y7" 2
check "middle button opens no save dialog" test -z "$(vx_probe wait '#32770' 1500 | clean)"
xdotool mousemove "$button_x" "$y7" mousedown 3
check "right press on ToolButton7 opens the save dialog" test -n "$(vx_probe wait '#32770' 5000 | clean)"
xdotool mouseup 3
sleep 1
check "the save dialog has its picture preview pane" test -n "$(vx_probe crect '#32770' $((0x5A01)) | clean)"
import -window root "$shots/tool_panel_save_dialog.png"
check_eq "neither the middle nor the right button starts the screen saver" "$before" "$(saver_requests)"
rm -f "$WINEPREFIX/drive_c/shot.bmp"
vx_probe save 'C:\shot' 5000
vx_probe gone '#32770' 5000
for _ in $(seq 50); do [ -s "$WINEPREFIX/drive_c/shot.bmp" ] && break; sleep 0.2; done
check "the screenshot is written with the default extension" test -s "$WINEPREFIX/drive_c/shot.bmp"
# The picture shows the screen as the user left it: the save dialog, closed before the capture,
# is not in it. Compared with the screen as it stands now, only a tooltip may differ.
import -window root "$shots/tool_panel_after_capture.png"
convert "$WINEPREFIX/drive_c/shot.bmp" -alpha off "$shots/tool_panel_capture.png"
differing=$(compare -metric AE "$shots/tool_panel_capture.png" "$shots/tool_panel_after_capture.png" null: 2>&1 |
    awk '{print int($1)}')
check "the picture is the screen without the closed dialog ($differing pixels differ)" \
    test "${differing:-999999}" -lt $((1024 * 768 / 100))
# The file: an uncompressed bottom-up BMP of the whole 1024 x 768 screen in which the panel's
# close button (green disc) shows inside the panel's rectangle.
layout=$(python3 - "$WINEPREFIX/drive_c/shot.bmp" <<'PY'
import struct, sys
b = open(sys.argv[1], 'rb').read()
w, h, planes, bits, comp = struct.unpack_from('<iiHHI', b, 18)
off = struct.unpack_from('<I', b, 10)[0]
row = (w * bits // 8 + 3) // 4 * 4
def px(x, y):
    p = off + (h - 1 - y) * row + x * bits // 8
    return b[p + 2], b[p + 1], b[p]
green = sum(1 for y in range(559, 739) for x in range(4, 32) if px(x, y) == (0x1E, 0x9E, 0x3A))
print(b[:2].decode(), w, h, comp, bits in (24, 32), len(b) == off + row * h, green > 20)
PY
)
check_eq "BMP of 1024 x 768, uncompressed, whole, the panel visible" "BM 1024 768 0 True True True" "$layout"

# The same screen once more under a name ending in ".png": a PNG file that ImageMagick decodes to
# the BMP's pixels (only a tooltip that came or went between the two may differ).
xdotool mousemove "$button_x" "$y7" mousedown 3
vx_probe wait '#32770' 5000 >/dev/null
xdotool mouseup 3
rm -f "$WINEPREFIX/drive_c/shot.png"
vx_probe save 'C:\shot.png' 5000
vx_probe gone '#32770' 5000
for _ in $(seq 50); do [ -s "$WINEPREFIX/drive_c/shot.png" ] && break; sleep 0.2; done
check_eq "a .png name is written as a 1024 x 768 PNG" "PNG 1024 768" \
    "$(identify -format '%m %w %h' "$WINEPREFIX/drive_c/shot.png" 2>&1)"
differing=$(compare -metric AE "$WINEPREFIX/drive_c/shot.png" "$shots/tool_panel_capture.png" null: 2>&1 |
    awk '{print int($1)}')
check "the PNG holds the BMP's pixels ($differing differ)" test "${differing:-999999}" -lt $((1024 * 768 / 100))
check "no BMP was written for it" test ! -e "$WINEPREFIX/drive_c/shot.png.bmp"

echo "tool panel: windows it shows and hides"
for pair in "2:TForm2:3" "5:TForm4:5" "7:TForm8:9"; do
    IFS=: read -r row cls number <<<"$pair"
    click_at "$button_x" "$(centre_y "$row")"
    check "ToolButton$number shows $cls" test -n "$(vx_probe wait "$cls" 5000 | clean)"
    click_at "$button_x" "$(centre_y "$row")"
    check "ToolButton$number hides $cls again" vx_probe gone "$cls" 5000
done

echo "tool panel: close button"
click_at "$button_x" "$(centre_y 1)"
box=$(vx_probe box Confirm 5000 | clean)
check_eq "ToolButton8 asks the close question" $'Вы действительно хотите закрыть Vextral ?\n[&Yes] default\n[&No]' "$box"
vx_probe answer Confirm '&No' >/dev/null
sleep 1
check "No leaves the program and the panel up" test -n "$(vx_probe wait TForm3 2000 | clean)"
click_at "$button_x" "$(centre_y 1)"
vx_probe box Confirm 5000 >/dev/null
vx_probe answer Confirm '&Yes' >/dev/null
check "Yes ends the program" vx_probe gone TForm1 10000
# The taskbar lays out its buttons again when the program's windows go: ask a few times.
for _ in $(seq 10); do
    start=$(vx_probe start | clean)
    [ "$start" = "1 0" ] && break
    sleep 0.3
done
check_eq "the Start button is visible again" "1 0" "$start"
rm -f "$trace"

summary
