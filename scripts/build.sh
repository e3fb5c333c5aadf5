#!/usr/bin/env bash
# Builds the portable build in BUILD_DIR (default build), installing what it
# needs: everything, or only the targets named (for example zopdrupal).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
ensure_build_packages

build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$build_dir" -j2 "${targets[@]}"
