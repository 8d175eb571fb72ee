#!/usr/bin/env bash
# Makes the test media in a folder with Debian's encoders: a 2 s tone as WAV, MP3, FLAC, M4A
# (AAC), Opus and Ogg Vorbis, and bad.flac, which is no FLAC at all.
#   bash tests/make-media.sh DIR [SECONDS]
set -euo pipefail
dir=$1
seconds=${2:-2}
mkdir -p "$dir"
cd "$dir"
ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=440:duration=$seconds" -ac 2 -ar 44100 -map_metadata -1 -fflags +bitexact tone.wav
lame --quiet -b 128 tone.wav tone.mp3
flac --silent -f -o tone.flac tone.wav
ffmpeg -loglevel error -y -i tone.wav -c:a aac -b:a 128k tone.m4a
opusenc --quiet tone.wav tone.opus
oggenc --quiet -o tone.ogg tone.wav
head -c 20000 /dev/urandom | { printf 'fLaC'; cat; } >bad.flac
