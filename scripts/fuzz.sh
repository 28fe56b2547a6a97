#!/usr/bin/env bash
# Fuzzes the readers of the settings and roster files: builds the libFuzzer targets in fuzz/
# with clang into build-fuzz/ and runs them side by side, each for the given number of seconds
# (default 300), starting from a scratch copy of its seed corpus in fuzz/corpus/. New inputs
# stay in the scratch folder, so the committed corpus never grows by itself. Prints each
# target's executions, coverage and findings, and exits non-zero on any finding.
#
#   bash scripts/fuzz.sh        # five minutes per target
#   bash scripts/fuzz.sh 20     # the short run of scripts/test.sh
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
root=$PWD
seconds=${1:-300}
targets=(settings roster text)
build=$root/build-fuzz

if [[ ! $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds-per-target]" >&2
    exit 2
fi

# -O1 keeps the runs fast; a Debug build keeps Qt's own range assertions in its inline code.
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DTOMBOLIX_FUZZ=ON -DTOMBOLIX_WERROR=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 >/dev/null \
    && cmake --build "$build" --target "${targets[@]/#/fuzz_}" || exit 1

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tombolix-fuzz.XXXXXX") || exit 1
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
if [[ -f scripts/lsan.supp ]]; then
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
fi

# Inputs up to 200,000 bytes reach past the 64 KiB line limit. A few seconds on one input is a
# hang; two gigabytes is memory the readers must never need.
pids=()
for target in "${targets[@]}"; do
    work=$scratch/$target
    mkdir -p "$work" && cp -R "fuzz/corpus/$target" "$work/corpus" || exit 1
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=200000 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" \
        >"$work/log" 2>&1 &
    pids+=($!)
done

failed=()
printf '%-10s %12s %10s %7s %7s %7s  %s\n' target executions exec/s cov ft corpus result
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    work=$scratch/$target
    wait "${pids[$i]}"
    rc=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
    # The last status line that libFuzzer printed: "#N ... cov: C ft: F corp: K/...".
    status=$(grep -E '^#[0-9]+.* cov: ' "$work/log" | tail -n 1)
    [[ $status =~ cov:\ ([0-9]+) ]] && cov=${BASH_REMATCH[1]} || cov=-
    [[ $status =~ ft:\ ([0-9]+) ]] && ft=${BASH_REMATCH[1]} || ft=-
    corpus=$(find "$work/corpus" -type f | wc -l)
    result=ok
    if ((rc != 0)); then
        result="FINDING (exit $rc)"
        failed+=("$target")
    fi
    printf '%-10s %12s %10s %7s %7s %7s  %s\n' "$target" "${execs:--}" "${speed:--}" "$cov" \
        "$ft" "$corpus" "$result"
done

for target in "${failed[@]}"; do
    echo
    echo "=== fuzz_$target: $scratch/$target/log"
    grep -E -A4 'ERROR|runtime error|^SUMMARY|^finding:|unexpected exception|Test unit written' \
        "$scratch/$target/log" | head -n 60
done

if ((${#failed[@]} > 0)); then
    echo
    echo "fuzz: findings in ${failed[*]}; logs and reproducing inputs in $scratch"
    echo "Reproduce one with: $build/fuzz/fuzz_<target> <input>"
    exit 1
fi
rm -rf "$scratch"
echo "fuzz: no findings in ${seconds}s per target"
