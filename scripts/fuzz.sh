#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for about 30 seconds.
# Fails on any crash, hang (10 s for one input) or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/fuzz -j "${FUZZ_JOBS:-2}"
for target in map_loader stellar_catalog; do
  work=build/fuzz/work/$target
  mkdir -p "$work/corpus" "$work/artifacts"
  dict=()
  [ "$target" = map_loader ] && dict=(-dict=fuzz/map.dict)
  echo "== fuzzing $target for $seconds s"
  build/fuzz/fuzz_$target "$work/corpus" "fuzz/corpus/$target" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -max_len=32768 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1
done
echo "fuzzing found nothing"
