#!/usr/bin/env bash
# Builds the portable build (the zopdrupal command, the runtime library and
# the C++ tests) in BUILD_DIR (default build), installing what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_build_packages

build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build_dir" -j2
