#!/usr/bin/env bash
# Builds and runs every benchmark in bench/ and prints one table:
# figure, Vextral, baseline, ratio, target. Benchmarks print figures; they never fail on time.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh >/dev/null || exit 1
VX_WIN_ONLY=${VX_WIN_ONLY:-0} bash scripts/build.sh >/dev/null || exit 1
source bench/lib.sh
header
for b in bench/*.sh; do
    [ "$(basename "$b")" = lib.sh ] && continue
    bash "$b" 2>/dev/null | tail -n +2
done
