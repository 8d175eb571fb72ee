#!/usr/bin/env bash
# What every benchmark script shares: one row format, so scripts/bench.sh can print all rows as
# one table, and notes on standard error, so they stay out of the table.
row() { printf '%-40s %12s %12s %10s   %s\n' "$@"; }
header() { row "figure" "Vextral" "baseline" "ratio" "target"; }
note() { echo "$*" >&2; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
