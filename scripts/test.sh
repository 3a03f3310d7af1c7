#!/usr/bin/env bash
# Builds every configuration and runs every test: the core natively, the core under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a bounded time, the
# Windows build (core, toolkit and end-to-end tests of Tavelin.exe) under Wine, and the release
# zip and installer (scripts/package.sh) installed, started and removed under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
source scripts/wine-env.sh
trap tavelin_wine_stop EXIT

fuzz_seconds=${TAVELIN_FUZZ_SECONDS:-20}
summary=()
total_passed=0
total_failed=0

# Runs ctest for a preset (further arguments go to ctest) and records its counts of test cases;
# a failure is counted, not fatal, so every level runs.
run_ctest() {
    local label=$1 preset=$2 log passed failed
    log=$(mktemp)
    echo "=== $label"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    rm -rf "build/$preset/test-results"
    ctest --test-dir "build/$preset" --output-on-failure --timeout 600 "${@:3}" 2>&1 | tee "$log" || true
    if grep -q 'No tests were found' "$log"; then
        passed=0 failed=0
    else
        read -r passed failed < <(python3 scripts/count-tests.py "$log" "build/$preset/test-results")
    fi
    rm -f "$log"
    summary+=("$label: $passed passed, $failed failed")
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
}

run_fuzzers() {
    local passed=0 failed=0 fuzzer corpus
    echo "=== fuzzing, $fuzz_seconds s per target"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    for fuzzer in build/fuzz/tests/fuzz/fuzz_*; do
        [[ -x $fuzzer ]] || continue
        corpus=$(mktemp -d)
        if "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" 2>"$corpus.log"; then
            passed=$((passed + 1))
            echo "$(basename "$fuzzer"): no failure in $fuzz_seconds s"
        else
            failed=$((failed + 1))
            tail -n 40 "$corpus.log"
        fi
        rm -rf "$corpus" "$corpus.log"
    done
    summary+=("fuzzing: $passed passed, $failed failed")
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
}

run_ctest "native" native
run_ctest "native under sanitizers" native-sanitize
run_fuzzers

tavelin_xvfb_start
tavelin_wine_start
run_ctest "windows under wine" windows -E '^package\.'
# Each package scenario makes its own Wine prefix and X display.
run_ctest "package under wine" windows -R '^package\.'

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "total: $total_passed passed, $total_failed failed"
[[ $total_failed -eq 0 ]]
