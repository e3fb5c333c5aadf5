#!/usr/bin/env bash
# Runs the browser tests (Node's test runner): the runtime library in a real
# page, and the page that `zopdrupal preview` writes. They drive Debian's
# Chromium with playwright-core and never download a browser.
# Installs what it needs: Chromium and a font when they are missing, the npm
# packages from package-lock.json, and an up-to-date build/zopdrupal (CMake).
# Environment: BUILD_DIR (default build); ZOPDRUPAL (default: build it);
# ZOP_TEST_OUTPUT_DIR (default $BUILD_DIR/browser-tests) receives the pages
# and the screenshot that the tests make.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${BUILD_DIR:-build}"
export ZOP_TEST_OUTPUT_DIR="${ZOP_TEST_OUTPUT_DIR:-$build_dir/browser-tests}"

source scripts/lib/packages.sh
# The pictures need a font; Chromium only recommends one.
ensure_packages chromium fonts-liberation
# A zopdrupal given in ZOPDRUPAL is used as it is; the build's own is brought
# up to date, since it embeds the preview engine and the runtime library.
if [ -z "${ZOPDRUPAL:-}" ]; then
  ensure_build_packages
  [ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build_dir" -j2 --target zopdrupal
  export ZOPDRUPAL="$build_dir/zopdrupal"
fi

# The page in Node that the browser is compared with loads the same bytes.
mkdir -p "$ZOP_TEST_OUTPUT_DIR"
export ZOP_RUNTIME_LIBRARY_FILE="$ZOP_TEST_OUTPUT_DIR/zopDynMenus.js"
"$ZOPDRUPAL" runtime --output "$ZOP_RUNTIME_LIBRARY_FILE"

PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
node --test --test-concurrency=1 tests/browser/*.test.js
