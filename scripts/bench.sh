#!/usr/bin/env bash
# Builds and runs every benchmark in bench/ and prints one table:
# figure, Vextral, baseline, ratio, target. Benchmarks print figures; they never fail on time.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh >/dev/null || exit 1
VX_WIN_ONLY=${VX_WIN_ONLY:-0} bash scripts/build.sh >/dev/null || exit 1
printf '%-40s %12s %12s %10s   %s\n' "figure" "Vextral" "baseline" "ratio" "target"
for b in bench/*.sh; do
    bash "$b" 2>/dev/null | tail -n +2
done
