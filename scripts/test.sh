#!/usr/bin/env bash
# The whole check, as CI runs it; the README's "Run all tests" says what it does. Exits non-zero
# if any step fails; the last line counts the tests of every suite.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
jobs=$(nproc)
ctest_options=(--output-on-failure --no-tests=error --parallel "$jobs" --output-junit junit.xml)
source scripts/checks.sh

summary=() ctest_lines=()
failures=0 tests_passed=0 tests_failed=0
# Runs one named step, times it and records the outcome for the summary at the end.
step()
{
    local name=$1 start=$SECONDS rc verdict=ok
    shift
    printf '\n=== %s\n' "$name"
    "$@"
    rc=$?
    if ((rc != 0)); then
        verdict="FAILED (exit $rc)"
        failures=$((failures + 1))
    fi
    summary+=("$(printf '%-26s %5ds  %s' "$name" $((SECONDS - start)) "$verdict")")
    return "$rc"
}

finish()
{
    printf '\n=== Summary\n'
    printf '%s\n' "${summary[@]}" "${ctest_lines[@]}"
    # Every suite added up, on the one line that CI reads.
    echo "tests: $tests_passed passed, $tests_failed failed"
    ((failures == 0 && tests_passed > 0))
    exit
}

check_format()
{
    find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z \
        | xargs -0 -r clang-format --dry-run -Werror && return 0
    echo "Formatting differs from .clang-format: run clang-format -i on the files above." >&2
    return 1
}

build()
{
    cmake -S . -B "$1" -G Ninja -DTOMBOLIX_WERROR=ON "${@:2}" \
        && cmake --build "$1" --parallel "$jobs"
}
# suite DIR COMMAND...: runs the command, which leaves ctest's counts in DIR/junit.xml, and adds
# them to the totals.
suite()
{
    local dir=$1 rc passed failed
    shift
    rm -f "$dir/junit.xml"
    "$@"
    rc=$?
    if read -r passed failed < <(ctest_counts "$dir/junit.xml"); then
        ctest_lines+=("$dir: $passed passed, $failed failed")
        tests_passed=$((tests_passed + passed))
        tests_failed=$((tests_failed + failed))
    else
        ctest_lines+=("$dir: no ctest results")
    fi
    return "$rc"
}

step "install dependencies" bash scripts/install-deps.sh || finish
step "format check" check_format

step "build (warnings as errors)" build build -DCMAKE_BUILD_TYPE=Release -DTOMBOLIX_BENCH=ON || finish
step "tests" suite build ctest --test-dir build "${ctest_options[@]}"
step "package (.deb)" bash scripts/check-package.sh build

# Any sanitizer finding ends the test process with a failure.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

step "build (ASan + UBSan)" build build-asan -DCMAKE_BUILD_TYPE=Debug -DTOMBOLIX_SANITIZE=ON || finish
step "tests (ASan + UBSan)" suite build-asan ctest --test-dir build-asan "${ctest_options[@]}"
step "fuzz (20 s per target)" bash scripts/fuzz.sh 20

# The Windows suite runs through ctest under Wine and counts with the rest.
wine_tests() { bash scripts/wine-test.sh 2>&1 | tee build-win/wine-test.log; }
if [[ ${TOMBOLIX_SKIP_WINDOWS:-0} != 1 ]]; then
    step "Windows build and packages" bash scripts/windows.sh \
        && step "Windows tests (Wine)" suite build-win wine_tests
fi

finish
