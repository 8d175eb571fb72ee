#!/usr/bin/env bash
# Folder import figures: 10,000 media files among 10,000 others found and put into both list
# boxes in replace mode under Wine, beside a plain enumeration of the same folder; and the
# import with subfolders of 10,000 media files in 1,000 folders, beside a plain recursive walk.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
source "$root/scripts/wine-session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${VX_BENCH_RUNS:-5}

vx_session_start
trap vx_session_stop EXIT
out=$(wine "$VX_BUILD/win/bench/import_bench.exe" "$runs" | tr -d '\r')
read -r import_ms list_ms entries < <(sed -n 1p <<<"$out")
read -r tree_ms walk_ms tree_entries < <(sed -n 2p <<<"$out")

header
row "folder import 10k of 20k files (ms)" "$import_ms" "$list_ms" "$(ratio "$import_ms" "$list_ms")" "< 500 ms"
row "import with subfolders 10k/1k dirs (ms)" "$tree_ms" "$walk_ms" "$(ratio "$tree_ms" "$walk_ms")" "< 1000 ms"
note "entries imported: $entries; from the tree: $tree_entries"
