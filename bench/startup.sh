#!/usr/bin/env bash
# Start-up time (process start to the bar docked) and private memory after start, beside a
# minimal Win32 program started the same way under the same Wine.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/wine-session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${VX_BENCH_RUNS:-7}
vx_session_start
trap vx_session_stop EXIT
vx_desktop_start
app="$WINEPREFIX/drive_c/Vextral"
mkdir -p "$app"
cp "$VX_BUILD/win/vextral.exe" "$VX_BUILD/win/bench/minimal.exe" "$app/"
timer="$VX_BUILD/win/bench/launch_timer.exe"
read -r vx_ms vx_kb < <(wine "$timer" "$runs" TForm1 'C:\Vextral\vextral.exe' | tr -d '\r')
read -r base_ms base_kb < <(wine "$timer" "$runs" MinimalWindow 'C:\Vextral\minimal.exe' | tr -d '\r')
size_kb=$(( $(stat -c %s "$VX_BUILD/win/vextral.exe") / 1024 ))
header
row "start to docked bar (ms)" "$vx_ms" "$base_ms" "$(ratio "$vx_ms" "$base_ms")" "ratio <= 1.5"
row "private memory (KB)" "$vx_kb" "$base_kb" "+$((vx_kb - base_kb)) KB" "<= +2048 KB"
row "vextral.exe size (KB)" "$size_kb" "-" "-" "< 1024 KB"
