#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one.
#   scripts/fuzz.sh TARGET SECONDS    run TARGET (e.g. settings_value) for SECONDS
#   scripts/fuzz.sh --all RUNS        run every target for RUNS inputs (what the tests do)
# Crashes are written to build/fuzz/crashes; each one found becomes a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${VX_BUILD:-build}/fuzz
CC=clang CXX=clang++ cmake -S . -B "$out" -DVX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j"$(nproc)" >/dev/null
mkdir -p "$out/crashes"
run() { # run NAME ARGS...
    local name=$1
    shift
    local corpus="$out/corpus/$name"
    mkdir -p "$corpus"
    cp -n tests/fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
    "$out/tests/fuzz/fuzz_$name" "$corpus" -artifact_prefix="$out/crashes/$name-" "$@"
}
if [ "${1:-}" = --all ]; then
    runs=${2:-100000}
    for src in tests/fuzz/fuzz_*.cpp; do
        name=$(basename "$src" .cpp)
        name=${name#fuzz_}
        if run "$name" -runs="$runs" >"$out/$name.log" 2>&1; then
            echo "fuzz $name: $runs runs, no crash"
        else
            echo "fuzz $name: CRASH (see $out/$name.log)"
            tail -n 30 "$out/$name.log"
            exit 1
        fi
    done
else
    run "$1" -max_total_time="${2:-60}"
fi
