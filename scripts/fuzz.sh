#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
# (default 15) seconds. Fails on any crash, hang (10 s for one input) or
# sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-15}
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/fuzz -j "${FUZZ_JOBS:-2}"
# Keep this list and the one in fuzz/CMakeLists.txt the same.
targets=(map_loader stellar_catalog abilities system_types system_names quadrant_types
  mod_definition settings name_rules black_hole random_map)
for target in "${targets[@]}"; do
  work=build/fuzz/work/$target
  mkdir -p "$work/corpus" "$work/artifacts"
  seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds=("fuzz/corpus/$target")
  dict=()
  [ "$target" = map_loader ] && dict=(-dict=fuzz/map.dict)
  # The shipped system types and the data set of a random map are larger.
  max_len=32768
  case $target in system_types) max_len=49152 ;; random_map) max_len=81920 ;; esac
  echo "== fuzzing $target for $seconds s"
  build/fuzz/fuzz_$target "$work/corpus" "${seeds[@]}" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -max_len="$max_len" -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1
done
echo "fuzzing found nothing"
