#!/usr/bin/env bash
# Builds the portable build and runs the C++ tests with CTest, once in a
# normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_build_packages

run_suite() {
  local build_dir=$1
  shift
  cmake -S . -B "$build_dir" "$@"
  cmake --build "$build_dir" -j2
  ctest --test-dir "$build_dir" --output-on-failure -j2
}

run_suite "${BUILD_DIR:-build}" -DCMAKE_BUILD_TYPE=Release -DZOP_BUILD_TESTS=ON -DZOP_BUILD_BENCHMARKS=ON

echo "== The C++ tests again under AddressSanitizer and UndefinedBehaviorSanitizer"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOP_BUILD_TESTS=ON \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
