#!/usr/bin/env bash
# Builds everything and runs every test suite: the C++ tests (also under the
# sanitizers), the runtime library's tests, the browser tests and the Windows
# component's tests under Wine. Each suite installs what it needs. Every suite
# runs even when one before it failed; the exit status tells whether all passed.
set -uo pipefail
cd "$(dirname "$0")/.."

suites=(generator runtime browser component)
failed=()
for suite in "${suites[@]}"; do
  echo
  echo "======== $suite tests"
  if ! "scripts/test-$suite.sh"; then
    failed+=("$suite")
  fi
done

echo
echo "======== Summary"
for suite in "${suites[@]}"; do
  status=passed
  for f in "${failed[@]}"; do [ "$f" = "$suite" ] && status=FAILED; done
  echo "$suite tests: $status"
done
[ "${#failed[@]}" -eq 0 ]
