#!/usr/bin/env bash
# Refreshes docs/preview-demo.png, the README's picture of the demo menu's
# preview: `zopdrupal preview examples/demo.json` in Debian's Chromium with a
# group and its subgroup open. The tests take the same picture into their
# output folder but never change this one.
# Installs what it needs like scripts/test-browser.sh; BUILD_DIR and
# ZOPDRUPAL as there.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${BUILD_DIR:-build}"

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

PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
mkdir -p docs
node tests/browser/support/preview-picture.js docs/preview-demo.png
echo "wrote docs/preview-demo.png"
