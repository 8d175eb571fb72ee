#!/usr/bin/env bash
# The player takes up at the next start where the user left it: the entry, the position in it
# and "Случайно" go into the registry at exit; the next run selects that entry after reading
# Last.m3u, plays nothing by itself, and the play plate starts the entry at the stored position.
# e2e: alone
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start

make_wav "$app/a.wav" 2
make_wav "$app/b.wav" 9
make_wav "$app/c.wav" 2
printf 'C:\\Vextral\\a.wav\r\nC:\\Vextral\\b.wav\r\nC:\\Vextral\\c.wav\r\n' >"$app/Last.m3u"

# The strip's and the list's client rectangles on the screen.
locate_player() {
    read -r sx sy _ _ <<<"$(vx_probe crect TForm8 8001 | clean)"
    read -r lx ly _ _ <<<"$(vx_probe crect TForm8 8003 | clean)"
}

echo "player resume: a first run looks as before, then plays b.wav for a while and exits"
vx_desktop 'C:\Vextral\vextral.exe'
show_player
sleep 1
check_eq "nothing selected at a first start" $'a.wav\nb.wav\nc.wav\nselected -1' "$(vx_probe items TForm8 8003 | clean)"
locate_player
xdotool mousemove $((lx + 30)) $((ly + 13 + 6)) click --repeat 2 --delay 80 1 # the second entry
sleep 3.5
check_eq "b.wav plays" $'a.wav\nb.wav\nc.wav\nselected 1' "$(vx_probe items TForm8 8003 | clean)"
close_program
check_eq "the entry's index stored" "REG_DWORD 0x1" "$(reg_value PlayerIndex)"
check_eq "and its path" 'REG_SZ C:\Vextral\b.wav' "$(reg_value PlayerPath)"
check_eq "random order stored as off" "REG_DWORD 0x0" "$(reg_value PlayerRandom)"
position=$(reg_value PlayerPosition)
stored_ms=$((${position#REG_DWORD }))
check "its position stored in milliseconds ($position)" test "$stored_ms" -ge 2000 -a "$stored_ms" -lt 8000

echo "player resume: the next run selects b.wav, waits, and the play plate resumes it"
wine reg add 'HKCU\Software\Vextral' /v PlayerRandom /t REG_DWORD /d 1 /f >/dev/null 2>&1
vx_desktop 'C:\Vextral\vextral.exe'
show_player
sleep 2
check_eq "the stored entry selected" $'a.wav\nb.wav\nc.wav\nselected 1' "$(vx_probe items TForm8 8003 | clean)"
check_eq "nothing plays by itself" "0:00" "$(vx_probe control TForm8 8002 | clean)"
locate_player
click_at $((sx + 36)) $((sy + 9)) # the play plate
sleep 1.5
# From the start the 9 s track would show 0:07 or 0:08 here; from the stored position, less.
left=$(vx_probe control TForm8 8002 | clean)
expected_max=$(((9000 - stored_ms) / 1000))
case "$left" in 0:0[0-9]) seconds=${left#0:0} ;; *) seconds=99 ;; esac
check "b.wav resumed at its position: $left left" test "$seconds" -le "$expected_max"
check_eq "still b.wav" $'a.wav\nb.wav\nc.wav\nselected 1' "$(vx_probe items TForm8 8003 | clean)"
import -window root "$shots/player_resume.png"
close_program
check_eq "random order restored and stored again" "REG_DWORD 0x1" "$(reg_value PlayerRandom)"

summary
