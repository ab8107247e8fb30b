#!/usr/bin/env bash
# The long monkey run: many more seeds and events than the test suite's, with the time it took.
set -euo pipefail
build=${1:-build}
export VERMINADIA_MONKEY_SEEDS=${VERMINADIA_MONKEY_SEEDS:-1000}
export VERMINADIA_MONKEY_EVENTS=${VERMINADIA_MONKEY_EVENTS:-20000}
start=$(date +%s.%N)
"$build/tests/monkey/verminadia-monkey-tests" --gtest_brief=1 | grep -E '^monkey:|FAILED|Failure' || true
end=$(date +%s.%N)
awk -v a="$start" -v b="$end" -v n="$VERMINADIA_MONKEY_SEEDS" -v e="$VERMINADIA_MONKEY_EVENTS" \
    'BEGIN{printf "monkey: %d seeds x %d events in %.1f s (%.2f M events/s)\n", n, e, b-a, n*e/(b-a)/1e6}'
