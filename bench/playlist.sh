#!/usr/bin/env bash
# Playlist figures: ReadM3U of 100,000 entries into both list boxes and the save of the same
# list, under Wine, beside a plain read and write of the same bytes; and the reader's throughput
# beside a plain read of the same file, under Wine in the Windows build and natively.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
source "$root/scripts/wine-session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${VX_BENCH_RUNS:-5}

native="$VX_BUILD/bench-native/m3u_native"
mkdir -p "$(dirname "$native")"
g++ -std=c++20 -O2 -I"$root/src" -I"$root" -o "$native" "$here/m3u_native.cpp" \
    "$root/src/player/M3u.cpp" "$root/src/player/Utf8.cpp" "$root/src/app/Paths.cpp" \
    "$root/src/app/AnsiText.cpp"
read -r parse_mb read_mb _ < <("$native" 7)

vx_session_start
trap vx_session_stop EXIT
out=$(wine "$VX_BUILD/win/bench/playlist_bench.exe" "$runs" | tr -d '\r')
read -r load_ms save_ms read_ms write_ms bytes < <(sed -n 1p <<<"$out")
read -r wine_parse_mb wine_read_mb < <(sed -n 2p <<<"$out")

header
row "playlist 100k: load into lists (ms)" "$load_ms" "$read_ms" "$(ratio "$load_ms" "$read_ms")" "< 500 ms"
row "playlist 100k: save (ms)" "$save_ms" "$write_ms" "$(ratio "$save_ms" "$write_ms")" "< 200 ms"
row "playlist reader, under Wine (MB/s)" "$wine_parse_mb" "$wine_read_mb" "$(ratio "$wine_parse_mb" "$wine_read_mb")" "ratio >= 0.33"
row "playlist reader, native (MB/s)" "$parse_mb" "$read_mb" "$(ratio "$parse_mb" "$read_mb")" "-"
