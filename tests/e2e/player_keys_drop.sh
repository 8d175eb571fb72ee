#!/usr/bin/env bash
# The player's media keys and drops on its list, in the real program: files, a folder and a
# playlist dropped through WM_DROPFILES are appended in drop order; the media keys stay free for
# other programs until a track is loaded, then a real key press and the media commands step,
# pause and stop the player.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
rm -rf "$app/music" "$app/album" "$app/lists" "$app/Last.m3u"
mkdir -p "$app/music" "$app/album" "$app/lists"

for n in a b c; do make_wav "$app/music/$n.wav" 20; done
make_wav "$app/album/d.wav" 20
echo "not media" >"$app/album/cover.jpg"
printf '#EXTM3U\r\n#EXTINF:20,Третья\r\nC:\\Vextral\\music\\c.wav\r\n' | iconv -f UTF-8 -t CP1251 >"$app/lists/Mix.M3U"

VK_PLAY_PAUSE=179 VK_STOP=178 VK_NEXT=176
APP_PREVIOUS=12 APP_PLAY_PAUSE=14

echo "player: drops on the list"
(cd "$app" && vx_desktop 'C:\Vextral\vextral.exe')
show_player
sleep 1
check_eq "nothing loaded: the next-track key is free for other programs" 1 "$(vx_probe hotkey $VK_NEXT | clean)"
vx_probe drop TForm8 8003 'C:\Vextral\music\a.wav' 'C:\Vextral\album' 'C:\Vextral\lists\Mix.M3U' \
    'C:\Vextral\music\b.wav'
sleep 1
check_eq "a file, a folder's media, a playlist's entry and a file, in drop order" \
    $'a.wav\nd.wav\nТретья\nb.wav\nselected -1' "$(player_items)"
check_eq "a drop starts nothing" "0:00" "$(player_label)"
import -window root "$shots/player_dropped.png"

echo "player: media keys"
read -r lx ly _ _ <<<"$(vx_probe crect TForm8 8003 | clean)"
xdotool mousemove $((lx + 30)) $((ly + 7)) click --repeat 2 --delay 80 1
check_eq "a double-click plays the first entry" "selected 0" "$(wait_selected 0)"
check_eq "a track loaded: the key is the player's" 0 "$(vx_probe hotkey $VK_NEXT | clean)"
xdotool key XF86AudioNext
check_eq "the keyboard's next-track key plays the next entry" "selected 1" "$(wait_selected 1)"
vx_probe key $VK_NEXT
check_eq "and again from another program's input" "selected 2" "$(wait_selected 2)"
vx_probe appcommand TForm8 8003 $APP_PREVIOUS >/dev/null
check_eq "a previous-track command that reaches the list steps back" "selected 1" "$(wait_selected 1)"
check_eq "one that reaches the window is answered as taken" 1 \
    "$(vx_probe appcommand TForm8 0 $APP_PREVIOUS | clean)"
check_eq "and steps back again" "selected 0" "$(wait_selected 0)"

vx_probe key $VK_PLAY_PAUSE
sleep 1.5
paused=$(player_label)
sleep 2.2
check_eq "play/pause pauses: the countdown stands" "$paused" "$(player_label)"
vx_probe appcommand TForm8 8003 $APP_PLAY_PAUSE >/dev/null
sleep 2.2
check "play/pause resumes: the countdown moves on from $paused" test "$(player_label)" != "$paused"
vx_probe key $VK_STOP
sleep 2.2
check_eq "stop goes back to the start of the track" "0:20" "$(player_label)"
check_eq "stopped: the key is free for other programs again" 1 "$(vx_probe hotkey $VK_NEXT | clean)"
import -window root "$shots/player_keys.png"

summary
