#!/usr/bin/env bash
# No file is ever torn: a writer saves Dirs.vxl, Last.m3u and a BMP over and over under Wine
# and is killed at random moments; after every kill each file must be one complete version.
#   VX_TORN_KILLS (default 200), VX_TORN_SEED (default 7)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
kills=${VX_TORN_KILLS:-200}
RANDOM=${VX_TORN_SEED:-7}
vx_session_start
trap vx_session_stop EXIT
dir="$WINEPREFIX/drive_c/Torn"
mkdir -p "$dir"
cp "$VX_BUILD/win/tests/e2e/torn/torn_writer.exe" "$WINEPREFIX/drive_c/"
checker="$VX_BUILD/native/tests/e2e/torn/torn_check"

# Kills the writer whatever stage of starting it is in, and waits for it to be gone. The shell's
# own notice of each killed job is not wanted in the output.
stop_writer() {
    exec 3>&2 2>/dev/null
    for _ in $(seq 100); do
        pkill -9 -f '^C:.torn_writer.exe'
        kill -9 "$1" 2>/dev/null
        kill -0 "$1" 2>/dev/null || break
        sleep 0.05
    done
    wait "$1"
    exec 2>&3 3>&-
}

echo "torn files: $kills kills"
wine 'C:\torn_writer.exe' 'C:\Torn' 1 >/dev/null 2>&1 &
writer=$!
for _ in $(seq 100); do [ -f "$dir/shot.bmp" ] && break; sleep 0.1; done
sleep 0.5
stop_writer "$writer"
torn=0
changed=0
last=$("$checker" "$dir")
for ((k = 1; k <= kills; k++)); do
    wine 'C:\torn_writer.exe' 'C:\Torn' $((k * 1000)) >/dev/null 2>&1 &
    writer=$!
    sleep "0.$((RANDOM % 4))$((RANDOM % 10))"
    stop_writer "$writer"
    if ! now=$("$checker" "$dir"); then
        torn=$((torn + 1))
        echo "  torn after kill $k: $now"
    fi
    [ "$now" != "$last" ] && changed=$((changed + 1))
    last=$now
done
check_eq "no torn file after $kills kills" 0 "$torn"
check "the files changed between kills (the writer was really writing)" test "$changed" -gt $((kills / 4))
summary
