#!/usr/bin/env bash
# Playing through real media formats: MP3 files made by an ordinary encoder (one of constant,
# one of variable bit rate) and a WAV play one after the other and the list wraps; a missing
# file stops the advance with its error box and "next" steps past it; a right press on the next
# plate steps 10 s into an MP3; the media keys are the player's only while a track plays. Then
# the formats of today's music collections through Media Foundation, where MCI refuses them.
# e2e: alone
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
rm -rf "$app/music" "$app/Last.m3u"
mkdir -p "$app/music"

# A 440 Hz tone of the given seconds: 16-bit stereo at 44.1 kHz, the input an encoder expects.
make_tone() {
    python3 - "$1" "$2" <<'PY'
import math, struct, sys
name, seconds = sys.argv[1], float(sys.argv[2])
frames = int(44100 * seconds)
data = b"".join(struct.pack("<hh", v, v) for v in (int(6000 * math.sin(i * 2 * math.pi * 440 / 44100)) for i in range(frames)))
with open(name, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt ")
    f.write(struct.pack("<IHHIIHH", 16, 1, 2, 44100, 44100 * 4, 4, 16))
    f.write(b"data" + struct.pack("<I", len(data)) + data)
PY
}
make_tone "$app/music/tone2.wav" 2
make_tone "$app/music/tone20.wav" 20
lame --quiet -b 128 "$app/music/tone2.wav" "$app/music/cbr.mp3"
lame --quiet -V 4 "$app/music/tone2.wav" "$app/music/vbr.mp3"
lame --quiet -b 128 "$app/music/tone20.wav" "$app/music/long.mp3"
mv "$app/music/tone2.wav" "$app/music/three.wav"
rm "$app/music/tone20.wav"

printf 'C:\\Vextral\\music\\cbr.mp3\r\nC:\\Vextral\\music\\vbr.mp3\r\nC:\\Vextral\\music\\three.wav\r\nC:\\Vextral\\music\\gone.mp3\r\nC:\\Vextral\\music\\long.mp3\r\n' >"$app/Last.m3u"
VK_NEXT=176


echo "player: MP3 files of constant and variable bit rate, then a WAV, play through"
(cd "$app" && vx_desktop 'C:\Vextral\vextral.exe')
show_player
sleep 1
check_eq "the playlist" $'cbr.mp3\nvbr.mp3\nthree.wav\ngone.mp3\nlong.mp3\nselected -1' "$(player_items)"
read -r lx ly _ _ <<<"$(vx_probe crect TForm8 8003 | clean)"
read -r sx sy _ _ <<<"$(vx_probe crect TForm8 8001 | clean)"
started=$(play_first_entry $((lx + 30)) $((ly + 7)))
check_eq "a double-click plays the constant bit rate MP3" "selected 0" "$started"
check_eq "its countdown moves" moving "$(countdown)"
check_eq "the MP3 of variable bit rate follows" "selected 1" "$(wait_selected 1)"
check_eq "its countdown moves" moving "$(countdown)"
check_eq "the WAV follows the MP3" "selected 2" "$(wait_selected 2)"
check_eq "a track plays: the media keys are the player's" 0 "$(vx_probe hotkey $VK_NEXT | clean)"
import -window root "$shots/player_formats.png"

echo "player: a missing file stops with its error box, and next steps past it"
check_eq "the WAV's end moves on to the missing file" "selected 3" "$(wait_selected 3)"
box=$(vx_probe box Vextral 10000 | clean)
check "its error box is shown: ${box%%$'\n'*}" test -n "$box"
import -window root "$shots/player_missing.png"
vx_probe answer Vextral OK >/dev/null
vx_probe gone '#32770' 5000
sleep 1.5
check_eq "no device open: the media keys are free again" 1 "$(vx_probe hotkey $VK_NEXT | clean)"
check_eq "and nothing else was tried meanwhile" "selected 3" "$(player_items | tail -1)"
click_at $((sx + 100)) $((sy + 9)) # the next plate
check_eq "next steps past the missing file" "selected 4" "$(wait_selected 4)"
check_eq "no second error box" "" "$(vx_probe box Vextral 1000 | clean)"

echo "player: a right press on the next plate steps 10 s into an MP3, and the list wraps"
sleep 1.2
before=$(player_label)
click_at $((sx + 100)) $((sy + 9)) 3
sleep 1.3
after=$(player_label)
# The 20 s track has had a few seconds; 1.3 s pass beside the jump, on a busy machine a little more.
drop=$(( (10#${before%%:*} * 60 + 10#${before##*:}) - (10#${after%%:*} * 60 + 10#${after##*:}) ))
check "the countdown jumps by 10 s: $before, then $after" test "$drop" -ge 10 -a "$drop" -le 14
check_eq "after the last entry the first follows" "selected 0" "$(wait_selected 0)"
check_eq "and it moves on again" "selected 1" "$(wait_selected 1)"
click_at $((sx + 80)) $((sy + 9)) # the stop plate
sleep 1.5
check_eq "stopped: the media keys are free again" 1 "$(vx_probe hotkey $VK_NEXT | clean)"
stopped=$(player_label)
sleep 2.2
check_eq "stopped: nothing follows" "selected 1" "$(player_items | tail -1)"
check_eq "and the countdown stands at the full length" "0:02 0:02" "$stopped $(player_label)"

close_program

# Formats a stock Windows' MCI cannot play, refused as stock Windows refuses them
# (VEXTRAL_TEST_STOCK_MCI): a WAV, a FLAC, an M4A, an Opus, an MP3, a FLAC named by a file URI
# with a Cyrillic name and an MP3 at a path of 290 characters play through by themselves. The WAV
# plays through MCI; Media Foundation comes into the process only with the first file needing it.
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
import -window root "$shots/player_media_foundation.png"
summary
