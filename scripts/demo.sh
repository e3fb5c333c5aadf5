#!/usr/bin/env bash
# Builds zopdrupal and runs it on the bundled example: the menu script in
# each mode, the runtime library, and a preview page to open in a browser.
# Everything is written to build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh zopdrupal

out=build/demo
mkdir -p "$out"
for mode in template menu complete; do
  build/zopdrupal generate examples/demo.json --mode "$mode" --output "$out/demo.$mode.js" \
    --style-ids "$out/demo.$mode.style-ids.json"
done
build/zopdrupal runtime --output "$out/zopDynMenus.js"
build/zopdrupal preview examples/demo.json --output "$out/demo.preview.html"

echo "Wrote to $out/:"
ls -l "$out"
echo
echo "The menu script in complete mode:"
cat "$out/demo.complete.js"
echo
echo
echo "Open $out/demo.preview.html in a browser to see the menu."
