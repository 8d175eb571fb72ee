#!/usr/bin/env bash
# The drive dialog, the favourite folders with their file "Dirs.vxl", the add-folder window and
# the settings window, in a Wine desktop with a taskbar.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
mkdir -p "$app/Docs" "$app/Музыка"

# Dirs.vxl records: a length byte, then 100 bytes of text in code page 1251.
records() { # records TEXT... > bytes on stdout
    python3 -c '
import sys
out = b""
for t in sys.argv[1:]:
    b = t.encode("cp1251")[:100]
    out += bytes([len(b)]) + b + bytes(100 - len(b))
sys.stdout.buffer.write(out)' "$@"
}
# Two records and a 48-byte fragment, which reading ignores.
{ records 'C:\windows' 'D:\Архив'; head -c 48 /dev/zero | tr '\0' 'Z'; } >"$app/Dirs.vxl"
prepared=$(md5sum <"$app/Dirs.vxl")

# A settings key of an earlier run whose default drive was stored as a root path.
wine reg add 'HKCU\Software\Vextral' /v AutoRun /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vextral' /v CDROM /t REG_SZ /d D /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vextral' /v Drive /t REG_SZ /d 'c:\' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vextral' /v LastPath /t REG_SZ /d 'C:\' /f >/dev/null 2>&1
for root in HKCU HKLM; do
    wine reg delete "$root\Software\Microsoft\Windows\CurrentVersion\Run" /v 'My App' /f >/dev/null 2>&1
done

# A point inside a control: "x y" of its centre, or of row N (N >= 0) of height H.
centre() { read -r x y w h <<<"$(vx_probe crect "$1" "$2" | clean)"; echo "$((x + w / 2)) $((y + h / 2))"; }
row() { read -r x y w h <<<"$(vx_probe crect "$1" "$2" | clean)"; echo "$((x + 40)) $((y + 2 + $4 * $3 + $4 / 2))"; }
press() { read -r px py <<<"$(centre "$1" "$2")"; click_at "$px" "$py"; }
run_value() { # run_value HKCU|HKLM
    wine reg query "$1\Software\Microsoft\Windows\CurrentVersion\Run" /v 'My App' 2>/dev/null | clean |
        awk '$1 == "My" && $2 == "App" { $1 = $2 = ""; sub(/^ +/, ""); print }'
}

(cd "$app" && vx_desktop 'C:\Vextral\vextral.exe')
bar=$(vx_probe wait TForm1 20000 | clean)
read -r bx by _ _ <<<"$bar"
click_at $((bx + 12)) $((by + 11)) # unfold the tool panel
vx_probe wait TForm3 5000 >/dev/null
panel_x=18
drive_y=$((559 + 2 + 44 + 11))
favourites_y=$((559 + 2 + 110 + 11))

echo "favourites: shown from the panel with a prepared Dirs.vxl"
click_at "$panel_x" "$favourites_y"
check "ToolButton5 shows the favourites window" test -n "$(vx_probe wait TForm4 5000 | clean)"
check_eq "the window stands beside the panel, top level with it" "36 559" \
    "$(vx_probe rect TForm4 | clean | cut -d' ' -f1,2)"
check_eq "whole records only: two entries" $'C:\\windows\nD:\\Архив\nselected -1' "$(vx_probe items TForm4 4001 | clean)"
import -window root "$shots/favourites.png"

echo "favourites: adding from the folder browser"
press TForm4 4003 # "+"
check "+ shows the add-folder window" test -n "$(vx_probe wait TForm5 5000 | clean)"
read -r f4x _ f4w _ <<<"$(vx_probe rect TForm4 | clean)"
check_eq "the add-folder window stands 2 pixels right of the favourites window" "$((f4x + f4w + 2)) 559" \
    "$(vx_probe rect TForm5 | clean | cut -d' ' -f1,2)"
# The browser opens the working folder C:\Vextral: rows "C:\", "Vextral", then "Docs", "Музыка".
read -r rx ry <<<"$(row TForm5 5001 2 16)"
xdotool mousemove "$rx" "$ry" click --repeat 2 --delay 80 1
sleep 0.5
press TForm5 5003 # "Добавить": C:\Vextral\Docs
read -r rx ry <<<"$(row TForm5 5001 1 16)"
xdotool mousemove "$rx" "$ry" click --repeat 2 --delay 80 1
sleep 0.5
press TForm5 5003 # C:\Vextral
read -r rx ry <<<"$(row TForm5 5001 3 16)"
click_at "$rx" "$ry"
xdotool key Return # Enter opens the highlighted folder
sleep 0.5
press TForm5 5003 # C:\Vextral\Музыка
import -window root "$shots/add_folder.png"
check_eq "added folders follow in order" \
    $'C:\\windows\nD:\\Архив\nC:\\Vextral\\Docs\nC:\\Vextral\nC:\\Vextral\\Музыка\nselected -1' \
    "$(vx_probe items TForm4 4001 | clean)"
check_eq "adding does not touch the file" "$prepared" "$(md5sum <"$app/Dirs.vxl")"

echo "favourites: removing and closing"
read -r rx ry <<<"$(row TForm4 4001 0 13)"
click_at "$rx" "$ry"
press TForm4 4004 # "-"
check_eq "- removes the selected entry and leaves none selected" \
    $'D:\\Архив\nC:\\Vextral\\Docs\nC:\\Vextral\nC:\\Vextral\\Музыка\nselected -1' \
    "$(vx_probe items TForm4 4001 | clean)"
press TForm4 4005 # "Закрыть"
check "Закрыть hides the favourites window" vx_probe gone TForm4 5000
records 'D:\Архив' 'C:\Vextral\Docs' 'C:\Vextral' 'C:\Vextral\Музыка' >"$VX_BUILD/expected_dirs.vxl"
check "the file holds the four records byte for byte" cmp -s "$VX_BUILD/expected_dirs.vxl" "$app/Dirs.vxl"
check "no temporary file is left" test ! -e "$app/Dirs.vxl.vxtmp"
click_at "$panel_x" "$favourites_y"
check_eq "the next show reads them back" \
    $'D:\\Архив\nC:\\Vextral\\Docs\nC:\\Vextral\nC:\\Vextral\\Музыка\nselected -1' \
    "$(vx_probe items TForm4 4001 | clean)"
click_at "$panel_x" "$favourites_y"
check "ToolButton5 closes it again" vx_probe gone TForm4 5000
vx_probe close TForm5 >/dev/null
vx_probe gone TForm5 5000

echo "drive dialog"
click_at "$panel_x" "$drive_y"
check_eq "ToolButton3 shows the drive dialog at the favourites window's spot" "36 559" \
    "$(vx_probe wait TForm2 5000 | clean | cut -d' ' -f1,2)"
check_eq "the picker starts on the stored drive" "C: [" "$(vx_probe text TForm2 2002 | clean | cut -c1-4)"
read -r tx ty <<<"$(centre TForm2 2001)"
tip=$(tip_at "$tx" "$ty")
check "the bar's tooltip gives free and total space of C:" \
    grep -qE '^Свободно [0-9]+(Б|КБ|МБ) из [0-9]+(Б|КБ|МБ)$' <<<"$tip"
import -window root "$shots/drive_dialog.png"
xdotool mousemove 300 300
press TForm2 2004 # "По умолчанию"
check_eq "the confirmation names the drive" $'Диск C установлен по умолчанию\n[OK] default' \
    "$(vx_probe box Vextral 5000 | clean)"
import -window root "$shots/drive_dialog_default.png"
vx_probe answer Vextral OK >/dev/null
vx_probe gone '#32770' 5000
check_eq "Drive holds exactly one upper-case letter" "REG_SZ C" "$(reg_value Drive)"
check "the dialog stays open" test -n "$(vx_probe wait TForm2 1000 | clean)"
click_at "$panel_x" "$drive_y"
check "ToolButton3 closes it" vx_probe gone TForm2 5000

echo "settings window"
click_at $((bx + 12)) $((by + 11)) 3
vx_probe popup 5000 >/dev/null
xdotool key Down Down Return # "Настройка"
check_eq "Настройка shows the settings window where it was designed" "413 292" \
    "$(vx_probe wait TForm6 5000 | clean | cut -d' ' -f1,2)"
check_eq "the box starts cleared" "0" "$(vx_probe checked TForm6 6001 | clean)"
press TForm6 6001 # tick " Включить в автозагрузку"
import -window root "$shots/settings.png"
xdotool key Return # the default button, "Применить"
sleep 1
check_eq "Применить stores AutoRun = 1" "REG_DWORD 0x1" "$(reg_value AutoRun)"
check_eq "the user's Run key holds the program's path" 'REG_SZ C:\Vextral\vextral.exe' "$(run_value HKCU)"
check_eq "and the machine's holds nothing" "" "$(run_value HKLM)"
check_eq "the stored CD-ROM letter without a drive is written back" "REG_SZ D" "$(reg_value CDROM)"
check "the window stays open" test -n "$(vx_probe wait TForm6 1000 | clean)"
press TForm6 6001 # cleared again, then Escape: nothing is stored
xdotool key Escape
check "Escape closes the settings window" vx_probe gone TForm6 5000
check_eq "Escape stored nothing" "REG_DWORD 0x1" "$(reg_value AutoRun)"
click_at $((bx + 12)) $((by + 11)) 3
vx_probe popup 5000 >/dev/null
xdotool key Down Down Return
vx_probe wait TForm6 5000 >/dev/null
check_eq "showing again reloads the stored tick" "1" "$(vx_probe checked TForm6 6001 | clean)"
press TForm6 6001
press TForm6 6003 # "Применить"
sleep 1
check_eq "clearing and applying stores 0" "REG_DWORD 0x0" "$(reg_value AutoRun)"
check_eq "and removes the Run value" "" "$(run_value HKCU)"

summary
