#!/usr/bin/env bash
# Start-up time (process start to the bar docked and shown, and to the message loop running
# with all nine windows made) and private memory after start, beside two programs started the
# same way under the same Wine: the floor (one window, with Vextral's manifest and common
# controls) and the bare minimal window.
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
cp "$VX_BUILD/win/vextral.exe" "$VX_BUILD/win/bench/minimal.exe" "$VX_BUILD/win/bench/floor.exe" "$app/"
timer="$VX_BUILD/win/bench/launch_timer.exe"
read -r vx_ms vx_kb vx_loop_ms < <(wine "$timer" "$runs" TForm1 'C:\Vextral\vextral.exe' | tr -d '\r')
read -r floor_ms floor_kb floor_loop_ms < <(wine "$timer" "$runs" MinimalWindow 'C:\Vextral\floor.exe' | tr -d '\r')
read -r base_ms base_kb _ < <(wine "$timer" "$runs" MinimalWindow 'C:\Vextral\minimal.exe' | tr -d '\r')
size_kb=$(( $(stat -c %s "$VX_BUILD/win/vextral.exe") / 1024 ))
header
row "start to docked bar vs floor (ms)" "$vx_ms" "$floor_ms" "$(ratio "$vx_ms" "$floor_ms")" "ratio <= 1.5"
row "start to docked bar vs bare (ms)" "$vx_ms" "$base_ms" "$(ratio "$vx_ms" "$base_ms")" "-"
row "start to the message loop vs floor (ms)" "$vx_loop_ms" "$floor_loop_ms" \
    "$(ratio "$vx_loop_ms" "$floor_loop_ms")" "-"
row "private memory vs floor (KB)" "$vx_kb" "$floor_kb" "+$((vx_kb - floor_kb)) KB" "<= +2048 KB"
row "private memory vs bare (KB)" "$vx_kb" "$base_kb" "+$((vx_kb - base_kb)) KB" "-"
row "vextral.exe size (KB)" "$size_kb" "-" "-" "< 1024 KB"
