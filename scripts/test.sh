#!/usr/bin/env bash
# Builds and runs the whole test suite: a normal build, then the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
logs=build/test-logs
mkdir -p "$logs"

run_suite() {  # name, build folder, extra cmake arguments...
  local name=$1 folder=$2
  shift 2
  echo "== $name build"
  cmake -S . -B "$folder" -G Ninja "$@"
  cmake --build "$folder" -j "$jobs"
  echo "== $name tests"
  ctest --test-dir "$folder" --output-on-failure -j "$jobs" 2>&1 | tee "$logs/$name.log"
}

run_suite release build/release -DCMAKE_BUILD_TYPE=Release
bash scripts/install-check.sh build/release
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite sanitize build/sanitize -DCMAKE_BUILD_TYPE=Debug -DDIZ_SANITIZE=ON -DDIZ_BUILD_BENCH=OFF
bash scripts/fuzz.sh

# One closing line over both runs of the suite.
passed=0 failed=0
for log in "$logs"/release.log "$logs"/sanitize.log; do
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
