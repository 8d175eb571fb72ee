#!/usr/bin/env bash
# Formats a stock Windows' MCI cannot play, as stock Windows refuses them (VEXTRAL_TEST_STOCK_MCI):
# a list of a WAV, a FLAC, an M4A, an Opus and an MP3, a FLAC named by a file URI with a
# Cyrillic name and an MP3 at a path of 290 characters plays through by itself, the countdown
# moving on each. The WAV plays through MCI, and Media Foundation's DLLs come into the process
# only with the first file that needs them.
# e2e: alone
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
rm -rf "$app/music" "$app/Last.m3u"
bash "$here/../make-media.sh" "$app/music" 3
music=$app/music
cp "$music/tone.flac" "$music/Песня.flac"
make_wav "$music/silence.wav" 6 # long enough to be read while it still plays
# A folder tree that takes the path to 290 characters: C:\Vextral\music\ (17), five folders of
# 50 characters and their backslashes (255), the file's name (18).
long=$music
for i in 1 2 3 4 5; do long=$long/$(printf "folder%d-%042d" "$i" 0); done
mkdir -p "$long"
cp "$music/tone.mp3" "$long/long-path-tone.mp3"
longwin='C:\Vextral\music'$(printf '\\folder%d-%042d' 1 0 2 0 3 0 4 0 5 0)'\long-path-tone.mp3'
check_eq "the long path has 290 characters" 290 "${#longwin}"
check "the encoders made the files" test -s "$music/tone.flac" -a -s "$music/tone.m4a" -a -s "$music/tone.opus"

printf '%s\r\n' 'C:\Vextral\music\silence.wav' 'C:\Vextral\music\tone.flac' 'C:\Vextral\music\tone.m4a' \
    'C:\Vextral\music\tone.opus' 'C:\Vextral\music\tone.mp3' \
    'file:///C:/Vextral/music/%D0%9F%D0%B5%D1%81%D0%BD%D1%8F.flac' "$longwin" >"$app/Last.m3u"

# Whether the program's process has Media Foundation's platform library mapped.
mf_mapped() {
    local pid
    pid=$(session_pids '^C:.Vextral.vextral.exe' | head -n 1)
    grep -qi "mfplat.dll" "/proc/$pid/maps" && echo mapped || echo "not mapped"
}

echo "player: under a stock MCI's limits, each format plays through by itself"
export VEXTRAL_TEST_STOCK_MCI=1
(cd "$app" && vx_desktop 'C:\Vextral\vextral.exe')
show_player
sleep 1
read -r lx ly _ _ <<<"$(vx_probe crect TForm8 8003 | clean)"
check_eq "Media Foundation is not in the process at start" "not mapped" "$(mf_mapped)"
started=$(play_first_entry $((lx + 30)) $((ly + 7)))
check_eq "a double-click plays the WAV" "selected 0" "$started"
check_eq "its countdown moves" moving "$(countdown)"
check_eq "the WAV plays through MCI: still no Media Foundation" "not mapped" "$(mf_mapped)"
names=(FLAC M4A Opus MP3 "FLAC named by a file URI" "MP3 at the 290-character path")
for i in 1 2 3 4 5 6; do
    check_eq "the ${names[$((i - 1))]} follows by itself" "selected $i" "$(wait_selected $i)"
    check_eq "its countdown moves" moving "$(countdown)"
    [ "$i" = 1 ] && check_eq "Media Foundation came with the FLAC" mapped "$(mf_mapped)"
done
check_eq "no error box on the way" "" "$(vx_probe box Vextral 500 | clean)"
import -window root "$shots/player_media_foundation.png"
check_eq "after the last entry the first follows" "selected 0" "$(wait_selected 0)"
close_program
summary
