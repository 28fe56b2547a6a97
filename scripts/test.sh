#!/usr/bin/env bash
# The whole check, as CI runs it: installs what is missing, checks the formatting, builds with
# warnings as errors and runs every test, builds and checks the .deb (scripts/check-package.sh),
# then builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test once
# more, and fuzzes the file readers for 20 s each (scripts/fuzz.sh). Last, it cross-builds the
# Windows program, its tests, zip and installer (scripts/windows.sh) and tests them under Wine
# (scripts/wine-test.sh); TOMBOLIX_SKIP_WINDOWS=1 leaves that out. Exits non-zero if any step
# fails.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
root=$PWD
jobs=$(nproc)

summary=()
failures=0
tests_passed=0
tests_failed=0
ctest_lines=()

# Runs one named step, times it and records the outcome for the summary at the end.
step()
{
    local name=$1 start rc
    shift
    echo
    echo "=== $name"
    start=$SECONDS
    "$@"
    rc=$?
    local verdict=ok
    if ((rc != 0)); then
        verdict="FAILED (exit $rc)"
        failures=$((failures + 1))
    fi
    summary+=("$(printf '%-26s %5ds  %s' "$name" $((SECONDS - start)) "$verdict")")
    return "$rc"
}

finish()
{
    echo
    echo "=== Summary"
    printf '%s\n' "${summary[@]}"
    ((${#ctest_lines[@]} > 0)) && printf '%s\n' "${ctest_lines[@]}"
    # Both runs added up, on the one line that CI reads.
    echo "tests: $tests_passed passed, $tests_failed failed"
    if ((failures > 0 || tests_passed == 0)); then
        exit 1
    fi
    exit 0
}

check_format()
{
    local dirs=() dir
    for dir in src tests bench fuzz; do
        [[ -d $dir ]] && dirs+=("$dir")
    done
    if ! find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z \
        | xargs -0 -r clang-format --dry-run -Werror; then
        echo "Formatting differs from .clang-format: run clang-format -i on the files above." >&2
        return 1
    fi
}

build()
{
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DTOMBOLIX_WERROR=ON "$@" && cmake --build "$dir" --parallel "$jobs"
}

# Adds the counts of ctest's summary line in log to the totals, under label.
count_tests()
{
    local label=$1 log=$2 line
    line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    ctest_lines+=("$label: ${line:-no ctest summary}")
    if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        tests_failed=$((tests_failed + BASH_REMATCH[1]))
        tests_passed=$((tests_passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    fi
}

# Runs the suite in one build folder and adds its counts to the totals.
run_tests()
{
    local dir=$1 rc
    ctest --test-dir "$dir" --output-on-failure --no-tests=error --parallel "$jobs" 2>&1 \
        | tee "$dir/ctest.log"
    rc=${PIPESTATUS[0]}
    count_tests "$dir" "$dir/ctest.log"
    return "$rc"
}

step "install dependencies" bash scripts/install-deps.sh || finish
step "format check" check_format

step "build (warnings as errors)" build build -DCMAKE_BUILD_TYPE=Release -DTOMBOLIX_BENCH=ON || finish
step "tests" run_tests build
step "package (.deb)" bash scripts/check-package.sh build

# Any sanitizer finding ends the test process with a failure.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Qt's offscreen stack leaks nothing today; should a system library ever need silencing, name
# only that library in scripts/lsan.supp, never our own code.
if [[ -f scripts/lsan.supp ]]; then
    export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
fi

step "build (ASan + UBSan)" build build-asan -DCMAKE_BUILD_TYPE=Debug -DTOMBOLIX_SANITIZE=ON || finish
step "tests (ASan + UBSan)" run_tests build-asan
step "fuzz (20 s per target)" bash scripts/fuzz.sh 20

# The Windows suite runs through ctest under Wine and counts with the rest.
wine_tests()
{
    local rc
    bash scripts/wine-test.sh 2>&1 | tee build-win/wine-test.log
    rc=${PIPESTATUS[0]}
    count_tests build-win build-win/wine-test.log
    return "$rc"
}
if [[ ${TOMBOLIX_SKIP_WINDOWS:-0} != 1 ]]; then
    step "Windows build and packages" bash scripts/windows.sh && step "Windows tests (Wine)" wine_tests
fi

finish
