#!/usr/bin/env bash
# The last playlist carried from run to run: a "Last.m3u" found at start is read at the player's
# first showing; at exit the playlist is written back (paths only, CR LF, ANSI) and the next run
# reads that.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start

# An extended playlist in Windows-1251 with a title, a drive-rooted, a relative line and one
# written with "/".
printf '#EXTM3U\r\n#EXTINF:215,Артист - Песня\r\nD:\\Музыка\\song.mp3\r\n\\Media\\clip.avi\r\n\r\nsub\\tune.wav\r\n/media/music/01 Песня.mp3\r\n' |
    iconv -f UTF-8 -t CP1251 >"$app/Last.m3u"

echo "player: first run reads the Last.m3u it found"
vx_desktop 'C:\Vextral\vextral.exe'
show_player
check_eq "display list: title, then file names (also after a /)" $'Артист - Песня\nclip.avi\ntune.wav\n01 Песня.mp3\nselected -1' \
    "$(vx_probe items TForm8 8003 | clean)"
check_eq "path list: as written, drive added, relative resolved" \
    $'D:\\Музыка\\song.mp3\nC:\\Media\\clip.avi\nC:\\Vextral\\sub\\tune.wav\nC:/media/music/01 Песня.mp3\nselected -1' \
    "$(vx_probe items TForm8 8004 | clean)"
check_eq "loading started nothing" "0:00" "$(vx_probe control TForm8 8002 | clean)"
import -window root "$shots/player_last.png"
close_program
check "program ended" test $? -eq 0

expected=$(printf 'D:\\Музыка\\song.mp3\r\nC:\\Media\\clip.avi\r\nC:\\Vextral\\sub\\tune.wav\r\nC:/media/music/01 Песня.mp3\r\n' | iconv -f UTF-8 -t CP1251 | od -An -tx1)
check_eq "exit wrote the paths only, CR LF, in Windows-1251" "$expected" "$(od -An -tx1 "$app/Last.m3u")"
check "no temporary file left" test -z "$(ls "$app" | grep -v -e '^vextral.exe$' -e '^Last.m3u$' -e '^WinStart.txt$')"

echo "player: second run reads what the first wrote"
vx_desktop 'C:\Vextral\vextral.exe'
vx_probe wait TForm1 20000 >/dev/null
sleep 1
check_eq "nothing read before the first showing" $'selected -1' "$(vx_probe items TForm8 8003 | clean)"
show_player
check_eq "titles came back as file names" $'song.mp3\nclip.avi\ntune.wav\n01 Песня.mp3\nselected -1' \
    "$(vx_probe items TForm8 8003 | clean)"
close_program

echo "player: a Last.m3u that cannot be replaced"
chmod a-w "$app/Last.m3u" # read-only for Windows
before=$(od -An -tx1 "$app/Last.m3u")
vx_desktop 'C:\Vextral\vextral.exe'
show_player
ask_to_close
check_eq "the failed save is reported, once" $'Cannot create file C:\\Vextral\\Last.m3u.\n[OK] default' \
    "$(vx_probe box Vextral 10000 | clean)"
import -window root "$shots/player_last_readonly.png"
vx_probe answer Vextral OK >/dev/null
check "then the program ends" vx_probe gone TForm1 10000
sleep 0.5
check_eq "with the Start button shown" "1 0" "$(vx_probe start | clean)"
check_eq "the read-only file is left as it was" "$before" "$(od -An -tx1 "$app/Last.m3u")"
check "no temporary file left" test ! -e "$app/Last.m3u.vxtmp"
chmod u+w "$app/Last.m3u"

echo "player: a hundred entries, read from outside the standard way"
{
    printf '#EXTM3U\r\n'
    for i in $(seq 100); do printf '#EXTINF:60,Ансамбль - Первая %d\r\nC:\\Музыка\\%d.mp3\r\n' "$i" "$i"; done
} | iconv -f UTF-8 -t CP1251 >"$app/Last.m3u"
vx_desktop 'C:\Vextral\vextral.exe'
show_player
expected=$(for i in $(seq 100); do echo "Ансамбль - Первая $i"; done; echo "selected -1")
check_eq "LB_GETTEXT gives every title exactly" "$expected" "$(vx_probe items TForm8 8003 | clean)"
check_eq "and every path" "C:\Музыка\100.mp3" "$(vx_probe items TForm8 8004 | clean | sed -n 100p)"
plates=$(for id in 8011 8012 8013 8014 8015 8016; do vx_probe accname TForm8 "$id" | clean; done)
check_eq "the strip's plates are named buttons" $'Предыдущий\nВоспроизвести\nПауза\nСтоп\nСледующий\nОткрыть' "$plates"
close_program

summary
