#!/usr/bin/env bash
# The main bar in a Wine desktop with a taskbar: settings key, launch log, docking, the Start
# button, the menu, the About window and closing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start

echo "main bar: first start"
vx_desktop 'C:\Vextral\vextral.exe'
bar=$(vx_probe wait TForm1 20000 | clean)
taskbar=$(vx_probe rect Shell_TrayWnd | clean)
read -r tx ty _ _ _ <<<"$taskbar"
check_eq "bar docked at the taskbar's (3, 0), 50 x 24" "$((tx + 3)) $ty 50 24" "$bar"
check_eq "bar has an owner (no taskbar button of its own)" "1" "$(vx_probe owner TForm1 | clean)"
check_eq "Start button hidden" "0 0" "$(vx_probe start | clean)"

check_eq "AutoRun default" "REG_DWORD 0x0" "$(reg_value AutoRun)"
check_eq "CDROM default" "REG_SZ D" "$(reg_value CDROM)"
check_eq "Drive default" "REG_SZ C" "$(reg_value Drive)"
check_eq "LastPath default" 'REG_SZ C:\' "$(reg_value LastPath)"

header=$(printf 'Запуски программы' | iconv -f UTF-8 -t CP1251 | od -An -tx1 | tr -d ' \n')
log_hex=$(od -An -tx1 "$app/WinStart.txt" | tr -d ' \n')
check "launch log starts with the header in Windows-1251" test "${log_hex:0:${#header}}" = "$header"
check "launch log has the header and one date line" test "$(grep -c $'\r$' "$app/WinStart.txt")" -eq 2
check "date line holds the date and the time" grep -qaE $'^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{1,2}:[0-9]{2}:[0-9]{2}\r$' "$app/WinStart.txt"

# Another program's window makes the shell lay out its buttons, which shows the Start
# button again; the bar hides it again.
wine explorer /desktop=shell,"$VX_DESKTOP_SIZE" winver >/dev/null 2>&1 &
vx_probe wait '#32770' 10000 >/dev/null
sleep 2
check_eq "Start button still hidden after the taskbar relaid out" "0 0" "$(vx_probe start | clean)"
vx_probe close '#32770' >/dev/null
sleep 2 # the bar is raised over the taskbar again at the next check, within 1.5 s
import -window root "$shots/main_bar.png"

read -r bx by _ _ <<<"$bar"
left_x=$((bx + 12)); button_y=$((by + 11))

# The bar's face takes the taskbar's colour: between the glyphs the taskbar's colour shows,
# whatever it is, and the face still takes every press.
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
taskbar_colour=$(pixel "$shots/main_bar.png" 300 $((ty + 10)))
check_eq "the taskbar's colour shows on the bar between the glyphs" "$taskbar_colour" \
    "$(pixel "$shots/main_bar.png" $((bx + 12)) $((by + 1)))"
check_eq "the same beside the glyph of the right button" "$taskbar_colour" \
    "$(pixel "$shots/main_bar.png" $((bx + 27)) $((by + 11)))"
check "and the glyph shows" test "$(pixel "$shots/main_bar.png" "$left_x" "$button_y")" != "$taskbar_colour"
check_eq "the bar's buttons are named for assistive technology" $'Развернуть\nПуск' \
    "$(vx_probe accname TForm1 1002 | clean; vx_probe accname TForm1 1001 | clean)"
# Beside the glyphs, where nothing of the button is drawn but its face.
left_face_x=$((bx + 2)); right_face_x=$((bx + 47)); face_y=$((by + 10))
click_at "$left_face_x" "$face_y"
check "a click on the left button's face, beside its glyph, unfolds the panel" \
    test -n "$(vx_probe wait TForm3 5000 | clean)"
import -window root "$shots/main_bar_hover.png"
check "the button under the pointer shows its raised edge on the taskbar's colour" \
    test "$(pixel "$shots/main_bar_hover.png" $((bx + 24)) "$face_y")" != "$taskbar_colour"
click_at "$left_face_x" "$face_y"
check "and folds again" vx_probe gone TForm3 5000

click_at "$left_x" "$button_y" 3
popup=$(vx_probe popup 5000 | clean)
check "right click on the left button opens the menu" test -n "$popup"
import -window root "$shots/main_bar_menu.png"
read -r mx my mw mh <<<"$popup"
# Items: "Закрыть", "Настройка", separator, "О программе"; the last sits at the menu's bottom.
click_at $((mx + 30)) $((my + mh - 10))
check "О программе shows the About window" test -n "$(vx_probe wait TForm7 5000 | clean)"
vx_probe close TForm7 >/dev/null
vx_probe gone TForm7 5000
sleep 0.5

click_at "$left_x" "$button_y" 3
popup=$(vx_probe popup 5000 | clean)
read -r mx my mw mh <<<"$popup"
click_at $((mx + 30)) $((my + 10))
box=$(vx_probe box Confirm 5000 | clean)
check_eq "Закрыть asks with Yes (default) and No" $'Вы действительно хотите закрыть Vextral ?\n[&Yes] default\n[&No]' "$box"
import -window root "$shots/main_bar_confirm.png"
vx_probe answer Confirm '&No' >/dev/null
sleep 1
check "No leaves the bar running" test -n "$(vx_probe wait TForm1 2000 | clean)"
check_eq "No leaves the Start button hidden" "0 0" "$(vx_probe start | clean)"

click_at "$left_x" "$button_y" 3
popup=$(vx_probe popup 5000 | clean)
read -r mx my mw mh <<<"$popup"
click_at $((mx + 30)) $((my + 10))
vx_probe box Confirm 5000 >/dev/null
vx_probe answer Confirm '&Yes' >/dev/null
check "Yes ends the program" vx_probe gone TForm1 10000
sleep 0.5
check_eq "the Start button is visible again after exit" "1 0" "$(vx_probe start | clean)"

# A hand edit or an imported .reg file leaves "Drive" as a number: the drive dialog's creation
# reports it, and the rest of the start goes on.
echo "main bar: a setting of the wrong type at start"
wine reg add 'HKCU\Software\Vextral' /v Drive /t REG_DWORD /d 3 /f >/dev/null 2>&1
vx_desktop 'C:\Vextral\vextral.exe'
check_eq "the error is shown" $'Invalid data type for \'Drive\'\n[OK] default' "$(vx_probe box Vextral 20000 | clean)"
vx_probe answer Vextral OK >/dev/null
check_eq "the bar is docked after it" "$((tx + 3)) $ty 50 24" "$(vx_probe wait TForm1 10000 | clean)"
check_eq "the Start button stays hidden" "0 0" "$(vx_probe start | clean)"
check "the windows after the drive dialog exist (player, import)" \
    test -n "$(vx_probe rect TForm8 | clean)" -a -n "$(vx_probe rect TForm9 | clean)"
check_eq "no second error box" "" "$(vx_probe box Vextral 1500 | clean)"
vx_probe close TForm1 >/dev/null
check "the program still closes" vx_probe gone TForm1 10000
sleep 0.5
check_eq "and shows the Start button" "1 0" "$(vx_probe start | clean)"
wine reg add 'HKCU\Software\Vextral' /v Drive /t REG_SZ /d C /f >/dev/null 2>&1

echo "main bar: second start"
vx_desktop 'C:\Vextral\vextral.exe'
bar=$(vx_probe wait TForm1 20000 | clean)
check "launch log grew by one line a start, header once" test "$(grep -c $'\r$' "$app/WinStart.txt")" -eq 4
check_eq "header written once" 1 "$(iconv -f CP1251 -t UTF-8 "$app/WinStart.txt" | grep -c 'Запуски программы')"
read -r bx by _ _ <<<"$bar"
click_at $((bx + 47)) $((by + 10))
check_eq "a click on the right button's face, beside its glyph, pressed the Start button" "1" \
    "$(vx_probe start | clean | cut -d' ' -f2)"

summary
