#!/usr/bin/env bash
# Builds every configuration and runs every test: the core natively, the core under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a bounded time, the
# Windows build (core, toolkit and end-to-end tests of Tavelin.exe) under Wine, and last the release
# zip and installer (scripts/package.sh) installed, started and removed under Wine.
#
# The native levels build and run at a lower priority beside the Windows build, whose Wine prefix
# is made meanwhile; the Windows level, which mostly waits on the program under test, then runs
# beside the fuzzers. Each level's output is printed whole, in the order of the summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
source scripts/wine-env.sh
work=$(mktemp -d)
boot_pid=""
native_pid=""
wine_pid=""
finish() {
    local pid
    for pid in $wine_pid $native_pid $boot_pid; do
        kill "$pid" 2>/dev/null || true
    done
    tavelin_wine_stop
    rm -rf "$work"
}
trap finish EXIT

fuzz_seconds=${TAVELIN_FUZZ_SECONDS:-20}
background=(nice -n 10)
summary=()
total_passed=0
total_failed=0

record() {
    local label=$1 passed=$2 failed=$3
    summary+=("$label: $passed passed, $failed failed")
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
}

build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    "$@" cmake --build --preset "$preset"
}

# Runs the tests of a built preset with the label "package" (when $2 is -L) or without it (-LE),
# and writes their counts of test cases to $work/<preset><$2>.count; a failure is counted, not
# fatal, so every level runs. Further arguments run ctest (nice).
run_ctest() {
    local preset=$1 label_option=$2 log passed failed
    shift 2
    log=$(mktemp -p "$work")
    rm -rf "build/$preset/test-results"
    "$@" ctest --test-dir "build/$preset" --output-on-failure --timeout 600 "$label_option" package 2>&1 |
        tee "$log" || true
    if grep -q 'No tests were found' "$log"; then
        passed=0 failed=0
    else
        read -r passed failed < <(python3 scripts/count-tests.py "$log" "build/$preset/test-results")
    fi
    echo "$passed $failed" >"$work/$preset$label_option.count"
}

# Records the counts a level left; a level that ended before writing them counts as one failure.
record_ctest() {
    local label=$1 counts=$work/$2.count passed=0 failed=1
    if [[ -s $counts ]]; then
        read -r passed failed <"$counts"
    else
        echo "$label ended without counting its tests"
    fi
    record "$label" "$passed" "$failed"
}

native_level() {
    local preset=$1
    build "$preset" "${background[@]}"
    run_ctest "$preset" -LE "${background[@]}"
}

# Each fuzzer runs for the full time, side by side with the others.
run_fuzzers() {
    local passed=0 failed=0 fuzzer pids=() names=()
    echo "=== fuzzing, $fuzz_seconds s per target"
    cat "$work/fuzz-build.log"
    if [[ ! -e $work/fuzz.built ]]; then
        record "fuzzing" 0 1
        return
    fi
    for fuzzer in build/fuzz/tests/fuzz/fuzz_*; do
        [[ -x $fuzzer ]] || continue
        # New inputs go to the first folder; the seeds in the tree are only read.
        mkdir -p "$work/$(basename "$fuzzer")"
        "${background[@]}" "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 \
            "$work/$(basename "$fuzzer")" "tests/fuzz/corpus/$(basename "$fuzzer")" \
            2>"$work/$(basename "$fuzzer").log" &
        pids+=($!)
        names+=("$(basename "$fuzzer")")
    done
    for i in "${!pids[@]}"; do
        if wait "${pids[$i]}"; then
            passed=$((passed + 1))
            echo "${names[$i]}: no failure in $fuzz_seconds s"
        else
            failed=$((failed + 1))
            tail -n 40 "$work/${names[$i]}.log"
        fi
    done
    record "fuzzing" "$passed" "$failed"
}

tavelin_xvfb_start
tavelin_wine_prefix
tavelin_wine_boot &
boot_pid=$!
(native_level native >"$work/native.log" 2>&1 || true
 native_level native-sanitize >"$work/native-sanitize.log" 2>&1 || true
 build fuzz "${background[@]}" >"$work/fuzz-build.log" 2>&1 && touch "$work/fuzz.built") &
native_pid=$!

echo "=== building windows (the native levels build beside it; their output follows)"
build windows
wait "$boot_pid"
boot_pid=""
run_ctest windows -LE >"$work/windows.log" 2>&1 &
wine_pid=$!

wait "$native_pid" || true
native_pid=""
echo "=== native"
cat "$work/native.log"
record_ctest "native" native-LE
echo "=== native under sanitizers"
cat "$work/native-sanitize.log"
record_ctest "native under sanitizers" native-sanitize-LE
run_fuzzers

wait "$wine_pid" || true
wine_pid=""
echo "=== windows under wine"
cat "$work/windows.log"
record_ctest "windows under wine" windows-LE

# After the Windows level, so that their Wine runs do not compete; each scenario makes its own Wine
# prefix and X display.
echo "=== package under wine"
run_ctest windows -L
record_ctest "package under wine" windows-L

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "total: $total_passed passed, $total_failed failed"
[[ $total_failed -eq 0 ]]
