#!/usr/bin/env bash
# Builds every configuration and runs every test: the core natively, the core under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a bounded time, the
# Windows build (core, toolkit and end-to-end tests of Tavelin.exe) under Wine, and beside it the
# release zip and installer (scripts/package.sh) installed, started and removed under Wine.
#
# The native levels build and run at a lower priority beside the Windows build, while a Wine prefix
# is booted once to be copied by every scenario; the Windows level, which mostly waits on the
# program under test, then runs its end-to-end scenarios side by side (TAVELIN_E2E_GROUPS at a
# time, each on its own X display and in its own prefix), beside the fuzzers. Each level's output is
# printed whole, in the order of the summary, with the time it took after its summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
source scripts/wine-env.sh
work=$(mktemp -d)
template=$work/wine-template
boot_pid=""
native_pid=""
wine_pid=""
package_pid=""
finish() {
    local pid
    for pid in $package_pid $wine_pid $native_pid $boot_pid; do
        kill "$pid" 2>/dev/null || true
    done
    tavelin_wine_stop
    WINEPREFIX=$template wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap finish EXIT

# Every build goes through the compiler cache, shared by all clones on this machine: a clone's
# second run, or another clone's, compiles only what changed. Paths below the clone are hashed
# relative to it, and the build folder is left out of the hash, so that clones share entries.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=true
fi

fuzz_seconds=${TAVELIN_FUZZ_SECONDS:-20}
# Scenarios run side by side in the Windows and package levels. Each mostly waits on the program's
# one-second schedule; more than this starve one another's OCR on two cores and a re-show or a pause
# comes late.
e2e_groups=${TAVELIN_E2E_GROUPS:-4}
background=(nice -n 10)
summary=()
total_passed=0
total_failed=0

# Seconds since the epoch, for the levels' times.
now() {
    date +%s
}

# The level's summary line, then the time it took from its first build step to its last test.
record() {
    local label=$1 passed=$2 failed=$3 seconds=${4:-}
    summary+=("$label: $passed passed, $failed failed")
    if [[ -n $seconds ]]; then
        summary+=("  took $seconds s")
    fi
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
# $3 of them at a time, in a build whose test-results/ the caller emptied, and writes their counts
# of test cases to $work/<preset><$2>.count; a failure is counted, not fatal, so every level runs.
# Further arguments run ctest (nice).
run_ctest() {
    local preset=$1 label_option=$2 jobs=$3 log passed failed
    shift 3
    log=$(mktemp -p "$work")
    "$@" ctest --test-dir "build/$preset" --output-on-failure --timeout 600 -j "$jobs" "$label_option" package 2>&1 |
        tee "$log" || true
    if grep -q 'No tests were found' "$log"; then
        passed=0 failed=0
    else
        read -r passed failed < <(python3 scripts/count-tests.py "$log" "build/$preset/test-results")
    fi
    echo "$passed $failed" >"$work/$preset$label_option.count"
}

# Records the counts a level left; a level that ended before writing them counts as one failure.
# Its time is the difference of the two stamps $work/<name>.start and .end.
record_ctest() {
    local label=$1 counts=$work/$2.count passed=0 failed=1
    if [[ -s $counts ]]; then
        read -r passed failed <"$counts"
    else
        echo "$label ended without counting its tests"
    fi
    record "$label" "$passed" "$failed" "$(level_seconds "$2")"
}

stamp() {
    now >"$work/$1.$2"
}

level_seconds() {
    [[ -s $work/$1.start && -s $work/$1.end ]] && echo $(($(<"$work/$1.end") - $(<"$work/$1.start")))
    return 0
}

native_level() {
    local preset=$1
    stamp "$preset-LE" start
    build "$preset" "${background[@]}"
    rm -rf "build/$preset/test-results"
    run_ctest "$preset" -LE 1 "${background[@]}"
    stamp "$preset-LE" end
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
    local start
    start=$(<"$work/fuzz.start")
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
    record "fuzzing" "$passed" "$failed" $(($(now) - start))
}

started=$(now)
stamp windows-LE start
tavelin_xvfb_start
(tavelin_wine_prefix "$template" && tavelin_wine_boot) &
boot_pid=$!
(native_level native >"$work/native.log" 2>&1 || true
 native_level native-sanitize >"$work/native-sanitize.log" 2>&1 || true
 stamp fuzz start
 build fuzz "${background[@]}" >"$work/fuzz-build.log" 2>&1 && touch "$work/fuzz.built") &
native_pid=$!

echo "=== building windows (the native levels build beside it; their output follows)"
build windows
wait "$boot_pid"
boot_pid=""
# The test programs share this display and a copy of the booted prefix; every scenario copies it
# again for itself.
tavelin_wine_from "$template"
export TAVELIN_WINE_TEMPLATE=$template
# Both Windows levels leave their reports here, side by side.
rm -rf build/windows/test-results
(run_ctest windows -LE "$e2e_groups" >"$work/windows.log" 2>&1; stamp windows-LE end) &
wine_pid=$!
# The release files are built and their scenarios run one at a time beside the Windows level; each
# scenario brings its own X display and prefix.
(stamp windows-L start; run_ctest windows -L 1 >"$work/package.log" 2>&1; stamp windows-L end) &
package_pid=$!

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

wait "$package_pid" || true
package_pid=""
echo "=== package under wine"
cat "$work/package.log"
record_ctest "package under wine" windows-L

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "total: $total_passed passed, $total_failed failed"
echo "  took $(($(now) - started)) s"
[[ $total_failed -eq 0 ]]
