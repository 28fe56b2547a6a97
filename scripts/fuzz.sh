#!/usr/bin/env bash
# Fuzzes the settings, roster, turns and workbook readers: builds the libFuzzer targets of
# fuzz/ into build-fuzz/ and has ctest run them side by side for SECONDS each (default 300),
# starting from the committed seeds alone. Prints what each did; exits non-zero on a finding.
#   bash scripts/fuzz.sh [SECONDS]
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
seconds=${1:-300}
build=$PWD/build-fuzz

[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [seconds-per-target]" >&2; exit 2; }

# -O1 keeps the runs fast; a Debug build keeps Qt's own range assertions in its inline code.
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DTOMBOLIX_FUZZ=ON -DTOMBOLIX_WERROR=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DTOMBOLIX_FUZZ_SECONDS="$seconds" >/dev/null \
    && cmake --build "$build" --target fuzz_targets || exit 1

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
rm -rf "$build/fuzz/run"
ctest --test-dir "$build/fuzz" --parallel 3 --output-on-failure
rc=$?

# Each target's final stats and libFuzzer's last status line, "#N ... cov: C ft: F corp: K/...".
printf '%-14s %12s %10s %7s %7s %7s\n' target executions exec/s cov ft corpus
awk '/^[0-9]+\/[0-9]+ Test: / { t = $3; order[++n] = t }
    /^stat::number_of_executed_units:/ { runs[t] = $2 }
    /^stat::average_exec_per_sec:/ { speed[t] = $2 }
    /^#[0-9]+.* cov: / { for (i = 1; i < NF; ++i) if ($i ~ /^(cov|ft|corp):$/) v[t, $i] = $(i + 1) }
    END { for (i = 1; i <= n; ++i) { t = order[i]; sub(/\/.*/, "", v[t, "corp:"])
        printf "%-14s %12s %10s %7s %7s %7s\n", t, runs[t], speed[t], v[t, "cov:"], v[t, "ft:"],
            v[t, "corp:"] } }' "$build/fuzz/Testing/Temporary/LastTest.log"

((rc == 0)) \
    || { echo "fuzz: a finding, kept in $build/fuzz/run/; reproduce it with fuzz/fuzz_TARGET INPUT"; exit 1; }
echo "fuzz: no findings in ${seconds}s per target"
