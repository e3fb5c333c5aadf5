#!/usr/bin/env bash
# Builds the shipped runtime library and runs its tests (Node's test runner).
# Environment: BUILD_DIR (default build) holds the built file;
# ZOPDRUPAL (default $BUILD_DIR/zopdrupal) is used by the round-trip tests,
# which are skipped while the binary is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${BUILD_DIR:-build}"
mkdir -p "$build_dir/runtime"
export ZOP_RUNTIME_LIBRARY_FILE="${ZOP_RUNTIME_LIBRARY_FILE:-$build_dir/runtime/zopDynMenus.js}"
node runtime/build.js runtime/zopDynMenus.src.js "$ZOP_RUNTIME_LIBRARY_FILE"
export ZOPDRUPAL="${ZOPDRUPAL:-$build_dir/zopdrupal}"

exec node --test tests/runtime/*.test.js
