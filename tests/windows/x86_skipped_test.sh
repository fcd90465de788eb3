#!/usr/bin/env bash
# On a machine that cannot execute 32-bit x86 programs (pretended here), both Windows builds
# configure, label and skip exactly the tests that run one, with the reason, and the rest stay.
# Usage: x86_skipped_test.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source_dir=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT

# preset | the tests that run a 32-bit x86 program, sorted
expected=(
    "mingw|korvala_cli_tests korvala_core_tests korvala_form_tests korvala_win32_tests win32.window win32.window_at_144_dpi windows.installer"
    "mingw64|windows.installer"
)
failures=0
for row in "${expected[@]}"; do
    preset=${row%%|*} want=${row#*|}
    KORVALA_PRETEND_NO_32_BIT=1 cmake -S "$source_dir" --preset "$preset" -B "$scratch/$preset" \
        >"$scratch/$preset.log" 2>&1 || { cat "$scratch/$preset.log"; exit 1; }
    # ctest -N lists "  Test  #3: name"; -FA: no fixture set up for a test that is skipped.
    labelled=$(ctest --test-dir "$scratch/$preset" -N -L x86-programs -FA ".*" |
        sed -n 's/^ *Test *#[0-9]*: //p' | sort | xargs)
    run=$(ctest --test-dir "$scratch/$preset" -L x86-programs -FA ".*" -V 2>&1)
    skipped=$(grep -c '\*\*\*Skipped' <<<"$run" || true)
    reasons=$(grep -c 'Skipped: 32-bit x86 programs: no (KORVALA_PRETEND_NO_32_BIT is set)' <<<"$run" || true)
    others=$(ctest --test-dir "$scratch/$preset" -N -LE x86-programs | grep -c '^ *Test *#' || true)
    count=$(wc -w <<<"$want")
    if [ "$labelled" != "$want" ] || [ "$skipped" -ne "$count" ] || [ "$reasons" -lt "$count" ] ||
        ! grep -q '0 tests failed' <<<"$run" || { [ "$preset" = mingw64 ] && [ "$others" -eq 0 ]; }; then
        echo "FAIL $preset: skipped $skipped with $reasons reasons of [$labelled], wanted [$want];" \
            "$others others"
        failures=$((failures + 1))
    else
        echo "ok   $preset: $count skipped, $others others"
    fi
done
echo "$((${#expected[@]} - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
