#!/usr/bin/env bash
# The player window: a folder of short generated WAVs imported through "Открыть папку" plays its
# first entry, the label counts down, the next entry follows by itself, and the OPEN plate's
# menu sits just right of the window's frame. Presses go through real mouse input.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
rm -f "$app"/*.wav "$app/Last.m3u"

make_wav "$app/a.wav" 3
make_wav "$app/b.wav" 2
echo "not media" >"$app/notes.txt"
# Subfolders, taken only with "Включая подпапки": "Zed" comes after "deep" in name order.
mkdir -p "$app/Zed" "$app/deep/inner"
make_wav "$app/Zed/z.wav" 2
make_wav "$app/deep/d.wav" 2
make_wav "$app/deep/inner/i.wav" 2

echo "player window: folder import and playing through"
(cd "$app" && vx_desktop 'C:\Vextral\vextral.exe')
show_player
sleep 1
read -r wx wy ww wh <<<"$(vx_probe wait TForm8 5000 | clean)"
read -r sx sy _ _ <<<"$(vx_probe crect TForm8 8001 | clean)"
check "strip found" test -n "$sx"
click_at $((sx + 130)) $((sy + 9))
popup=$(vx_probe popup 5000 | clean)
read -r mx my _ _ <<<"$popup"
check_eq "menu just right of the frame, level with its top" "$((wx + ww)) $wy" "$mx $my"
import -window root "$shots/player_menu.png"
# The third item, "Открыть папку".
click_at $((mx + 30)) $((my + 2 * 19 + 9))
read -r dx dy dw dh <<<"$(vx_probe wait TForm9 5000 | clean)"
check_eq "import dialog outer size, with the subfolder row" "225 293" "$dw $dh"
check_eq "\"Включая подпапки\" is off at a first start" 0 "$(vx_probe checked TForm9 9005 | clean)"
# The folder tree opens on the desktop with the computer open below it: a double-click on the
# drive C: opens it, a click on "Vextral" selects the program's folder.
read -r tx ty tw th <<<"$(vx_probe treeitem TForm9 9001 'c:' | clean)"
check "drive C: shown in the folder tree" test -n "$tx"
import -window root "$shots/player_import.png"
xdotool mousemove $((tx + tw / 2)) $((ty + th / 2)) click --repeat 2 --delay 80 1
sleep 1
read -r tx ty tw th <<<"$(vx_probe treeitem TForm9 9001 vextral | clean)"
check "its folder Vextral shown below it" test -n "$tx"
click_at $((tx + tw / 2)) $((ty + th / 2))
sleep 0.3
import -window root "$shots/player_import_tree.png"
read -r ox oy _ _ <<<"$(vx_probe crect TForm9 9003 | clean)"
click_at $((ox + 40)) $((oy + 12))
vx_probe gone TForm9 5000 >/dev/null
sleep 1
check_eq "media files listed in file-system order" $'a.wav\nb.wav\nselected 0' "$(vx_probe items TForm8 8003 | clean)"
first=$(vx_probe control TForm8 8002 | clean)
case "$first" in 0:0[123]) ok=1 ;; *) ok=0 ;; esac
check "label counts the first entry's 3 s down: $first" test "$ok" = 1
import -window root "$shots/player_playing.png"
check_eq "second entry follows by itself" $'a.wav\nb.wav\nselected 1' "$(wait_list_selected 1)"
check_eq "after the last the first again" $'a.wav\nb.wav\nselected 0' "$(wait_list_selected 0)"

echo "player window: random order with two entries, and playing on while hidden"
click_at $((sx + 130)) $((sy + 9))
vx_probe popup 5000 >/dev/null
xdotool key Up Return # the last item, "Случайно"
sleep 0.5
check_eq "random order: the other entry follows" $'a.wav\nb.wav\nselected 1' "$(wait_list_selected 1)"
check_eq "random order: and back" $'a.wav\nb.wav\nselected 0' "$(wait_list_selected 0)"
read -r px py pw ph <<<"$(vx_probe wait TForm3 5000 | clean)"
click_at $((px + pw / 2)) $((py + ph - 11)) # the panel's player button hides the window
check_eq "hidden: the next entry still follows" $'a.wav\nb.wav\nselected 1' "$(wait_list_selected 1)"
import -window root "$shots/player_hidden.png"
click_at $((px + pw / 2)) $((py + ph - 11))
vx_probe wait TForm8 5000 >/dev/null
sleep 0.5

# The OPEN plate's menu, its fourth item "Добавить папку": the import dialog in append mode.
open_add_folder() {
    click_at $((sx + 130)) $((sy + 9))
    local mx my
    read -r mx my _ _ <<<"$(vx_probe popup 5000 | clean)"
    click_at $((mx + 30)) $((my + 3 * 19 + 9))
    vx_probe wait TForm9 5000 >/dev/null
}

echo "player window: append by a double-click on the dialog's background (the tree keeps its choice), then cancel"
open_add_folder
read -r ox oy _ _ <<<"$(vx_probe crect TForm9 9003 | clean)"
xdotool mousemove $((ox + 100)) $((oy + 12)) click --repeat 2 --delay 80 1
sleep 0.5
check "dialog stays open after the double-click" eval "vx_probe wait TForm9 1000 >/dev/null"
check_eq "double-click appended the folder's files" $'a.wav\nb.wav\na.wav\nb.wav' \
    "$(vx_probe items TForm8 8003 | clean | head -4)"
read -r cx cy _ _ <<<"$(vx_probe crect TForm9 9004 | clean)"
click_at $((cx + 40)) $((cy + 12))
vx_probe gone TForm9 5000 >/dev/null
check_eq "cancel added nothing more" 5 "$(vx_probe items TForm8 8003 | clean | wc -l)"

echo "player window: append with subfolders"
open_add_folder
read -r bx by _ _ <<<"$(vx_probe crect TForm9 9005 | clean)"
click_at $((bx + 6)) $((by + 8))
check_eq "the check box ticks" 1 "$(vx_probe checked TForm9 9005 | clean)"
import -window root "$shots/player_import_subfolders.png"
read -r ox oy _ _ <<<"$(vx_probe crect TForm9 9003 | clean)"
click_at $((ox + 40)) $((oy + 12))
vx_probe gone TForm9 5000 >/dev/null
sleep 0.5
check_eq "the folder's files, then deep, deep\\inner and Zed" $'a.wav\nb.wav\nd.wav\ni.wav\nz.wav' \
    "$(vx_probe items TForm8 8003 | clean | sed -n '5,9p')"
check_eq "a subfolder's path" 'C:\Vextral\deep\inner\i.wav' "$(vx_probe items TForm8 8004 | clean | sed -n '8p')"
check_eq "the switch is remembered" "REG_DWORD 0x1" "$(reg_value ImportSubfolders)"

summary
