#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test tier:
#   1. native unit tests (GoogleTest, ctest) under AddressSanitizer and UBSan, and the libFuzzer
#      targets for a bounded number of runs,
#   2. the Windows tests of the platform layer under Wine,
#   3. the end-to-end scripts in tests/e2e against the real vextral.exe in a Wine desktop.
# The last line counts all tests: "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
export VX_BUILD=${VX_BUILD:-$root/build}
b=$VX_BUILD
bash scripts/packages.sh || exit 1
bash scripts/build.sh || { echo "build failed"; exit 1; }

passed=0
failed=0
count() { passed=$((passed + $1)); failed=$((failed + $2)); }

echo "== tier 1: native unit tests"
ctest --test-dir "$b/native" --output-on-failure -j"$(nproc)" >"$b/native/ctest.log" 2>&1
status=$?
tail -n 3 "$b/native/ctest.log"
total=$(sed -nE 's/.*tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\2/p' "$b/native/ctest.log")
bad=$(sed -nE 's/.*tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\1/p' "$b/native/ctest.log")
[ -n "$total" ] || { total=1; bad=1; }
[ $status -ne 0 ] && [ "$bad" -eq 0 ] && bad=1 && grep -E 'FAIL|Error' "$b/native/ctest.log" | head -20
count $((total - bad)) "$bad"

echo "== tier 1b: fuzzing the decoders (bounded runs)"
fuzz_out=$(bash scripts/fuzz.sh --all "${VX_FUZZ_RUNS:-100000}" 2>&1)
echo "$fuzz_out"
count "$(echo "$fuzz_out" | grep -c 'no crash')" "$(echo "$fuzz_out" | grep -c 'CRASH')"

echo "== tier 2: Windows tests under Wine"
rm -f "$b/win/wintests"*.log
# The media the Media Foundation tests play, made now by Debian's encoders.
export VX_TEST_MEDIA="$b/win/media"
bash tests/make-media.sh "$VX_TEST_MEDIA" || echo "the test media could not be made" >&2
(
    source scripts/wine-session.sh
    vx_russian_locale
    vx_session_start
    trap vx_session_stop EXIT
    wine "$b/win/tests/win/vx_win_tests.exe" --gtest_brief=1 2>&1 | tr -d '\r' | tee "$b/win/wintests.log" | tail -n 5
    # The playlist tests once more under code pages 932 (two bytes a character) and 1252: Wine
    # takes the ANSI code page from the locale each of its processes starts in. VX_CODE_PAGE
    # names the code page the run is for; a test that depends on it skips under any other.
    for run in ja_JP:932 en_US:1252; do
        locale=${run%:*}
        echo "-- the playlist tests under $locale"
        if vx_locale "$locale"; then
            VX_CODE_PAGE=${run#*:} wine "$b/win/tests/win/vx_win_tests.exe" --gtest_brief=1 --gtest_filter='M3uCodePage.*' 2>&1 |
                tr -d '\r' | tee "$b/win/wintests-$locale.log" | tail -n 3
        else
            echo "the locale $locale could not be made" >&2
        fi
    done
)
# Counts one log of the Windows tests; a code-page run (second argument "code page") is there for
# its code page, so a test that skipped in it (the locale did not take) counts as failed, and so
# does such a run that passed nothing.
count_wine_log() { # count_wine_log LOG [code page]
    local pass fail skip
    pass=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) test.*/\1/p' "$1" 2>/dev/null)
    fail=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) test.*/\1/p' "$1" 2>/dev/null)
    skip=$(sed -nE 's/^\[  SKIPPED \] ([0-9]+) test.*/\1/p' "$1" 2>/dev/null)
    [ -n "$pass$fail" ] || fail=1
    if [ -n "${2:-}" ]; then
        [ "${skip:-0}" -gt 0 ] && echo "$1: ${skip} tests skipped in a code-page run: counted as failed"
        fail=$((${fail:-0} + ${skip:-0}))
        [ "${pass:-0}" -gt 0 ] || [ "$fail" -gt 0 ] || fail=1
    fi
    count "${pass:-0}" "${fail:-0}"
}
count_wine_log "$b/win/wintests.log"
count_wine_log "$b/win/wintests-ja_JP.log" "code page"
count_wine_log "$b/win/wintests-en_US.log" "code page"

echo "== tier 3: end to end under Wine"
# Runs one script in a Wine prefix of its own under a fresh temporary folder, removed afterwards
# even when the script was stopped by the timeout, so the prefixes never pile up on the disk.
run_e2e() { # run_e2e SCRIPT SCRATCH
    rm -rf "$2" && mkdir -p "$2"
    TMPDIR="$2" VX_ROOT="$root" timeout 600 bash "$1" 2>&1
    rm -rf "$2"
}
# Runs one script and prints its time and every line but its passed checks. Sets $line to the
# script's last "N passed, N failed" line, empty when it never got there.
attempt() { # attempt SCRIPT LABEL
    local started=$SECONDS out
    out=$(run_e2e "$1" "$b/scratch/$(basename "$1" .sh)")
    line=$(echo "$out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)
    echo "   $2($((SECONDS - started)) s)"
    echo "$out" | grep -vE '^  ok ' | grep -v 'setlocale'
}
# One script's report, written to $b/e2e/NAME.report: its runs, then "counts N passed, N failed".
# These scripts drive a real desktop with synthetic input, and a heavily loaded machine can lose
# a pointer event. A script that fails is run once more from scratch; both runs are printed, the
# second one counts, and the summary names every script that needed it.
e2e_job() {
    local script=$1 report="$b/e2e/$(basename "$1" .sh).report"
    {
        echo "-- $script"
        attempt "$script" ""
        if [ "${line#* passed, }" != "0 failed" ]; then
            echo "   failed on the first run; running it again"
            attempt "$script" "second run "
            echo "needed a second run"
        fi
        echo "counts ${line:-0 passed, 1 failed}"
    } >"$report.part"
    mv "$report.part" "$report"
}
# Each script has its own display, prefix and desktop, and waits far more than it computes (a
# quarter of the two cores), so two run side by side, the longest first. A script that times
# real playback against the clock says "# e2e: alone" and runs afterwards by itself.
rm -rf "$b/e2e" "$b/scratch" && mkdir -p "$b/e2e"
side_by_side=(tests/e2e/torn_files.sh tests/e2e/monkey.sh)
alone=()
for script in tests/e2e/*.sh; do
    case "$(basename "$script")" in lib.sh | torn_files.sh | monkey.sh) continue ;; esac
    if grep -q '^# e2e: alone$' "$script"; then
        alone+=("$script")
    else
        side_by_side+=("$script")
    fi
done
for script in "${side_by_side[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "${VX_E2E_LANES:-2}" ]; do wait -n; done
    e2e_job "$script" &
done
wait
for script in "${alone[@]}"; do
    e2e_job "$script"
done
second_runs=()
for script in tests/e2e/*.sh; do
    report="$b/e2e/$(basename "$script" .sh).report"
    [ "$(basename "$script")" = lib.sh ] && continue
    if [ ! -f "$report" ]; then
        echo "-- $script: no report"
        count 0 1
        continue
    fi
    grep -vE '^(counts |needed a second run$)' "$report"
    grep -q '^needed a second run$' "$report" && second_runs+=("$(basename "$script")")
    result=$(sed -n 's/^counts //p' "$report")
    count "$(echo "$result" | cut -d' ' -f1)" "$(echo "$result" | cut -d' ' -f3)"
done
[ ${#second_runs[@]} -gt 0 ] && echo "run a second time after a failure: ${second_runs[*]}"

echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
