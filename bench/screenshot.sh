#!/usr/bin/env bash
# The screenshot's cost on one display in one run: Vextral's capture and write of the whole
# screen (as BMP and as PNG), a naive per-pixel GetPixel copy of the same screen, and
# ImageMagick's `import -window root` to a BMP file.
#
# The naive copy takes about two minutes on a 1024 x 768 screen under Wine, so by default it
# reads VX_BENCH_NAIVE_COLUMNS columns (32) and the time is scaled to the whole width; set it to
# 0 to time the whole screen.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/wine-session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${VX_BENCH_RUNS:-7}
columns=${VX_BENCH_NAIVE_COLUMNS:-32}
vx_session_start
trap vx_session_stop EXIT
vx_desktop_start
work="$WINEPREFIX/drive_c/bench"
mkdir -p "$work"
cp "$VX_BUILD/win/bench/shot_timer.exe" "$work/"

out=$(wine 'C:\bench\shot_timer.exe' "$runs" 'C:\bench' "$([ "$columns" = 0 ] && echo 100000 || echo "$columns")" | tr -d '\r')
vx_ms=$(awk '$1 == "vextral" {print $2}' <<<"$out")
png_ms=$(awk '$1 == "png" {print $2}' <<<"$out")
read -r naive_ms naive_cols width < <(awk '$1 == "naive" {print $2, $3, $4}' <<<"$out")
naive_full=$(awk -v t="$naive_ms" 'BEGIN{printf "%.0f", t}')

import_times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    import -window root "bmp:$work/import.bmp"
    import_times+=($((($(date +%s%N) - start) / 1000000)))
done
import_ms=$(printf '%s\n' "${import_times[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')

speedup() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.1f", b / a}'; }
note=""
[ "$naive_cols" != "$width" ] && note=" (from $naive_cols of $width columns)"
header
row "screenshot vs per-pixel copy (ms)" "$vx_ms" "$naive_full" "$(speedup "$vx_ms" "$naive_full")x" ">= 100x faster"
row "screenshot vs import (ms)" "$vx_ms" "$import_ms" "$(speedup "$vx_ms" "$import_ms")x" ">= 1x (no slower)"
row "screenshot PNG vs BMP (ms)" "$png_ms" "$vx_ms" "$(ratio "$png_ms" "$vx_ms")" "ratio < 3"
note "median of $runs runs; per-pixel copy timed once$note"
