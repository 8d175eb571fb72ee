#!/usr/bin/env bash
# Folder import figure: 10,000 media files among 10,000 others found and put into both list
# boxes in replace mode under Wine, beside a plain enumeration of the same folder.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
source "$root/scripts/wine-session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=${VX_BENCH_RUNS:-5}

vx_session_start
trap vx_session_stop EXIT
read -r import_ms list_ms entries < <(wine "$VX_BUILD/win/bench/import_bench.exe" "$runs" | tr -d '\r')

header
row "folder import 10k of 20k files (ms)" "$import_ms" "$list_ms" "$(ratio "$import_ms" "$list_ms")" "< 500 ms"
note "entries imported: $entries"
