#!/usr/bin/env bash
# Builds zopDrupal.dll for i686 and x86_64 with mingw-w64 and tests it under
# Wine in a fresh prefix: the files of both builds (exports, imports,
# resources, type library), then registration, the class driven by the C++
# test client and by a JScript file, and unregistration. Only the x86_64 DLL
# is run: this machine cannot execute 32-bit code.
#
#   scripts/test-component.sh        (ZOP_COMPONENT_BUILD_DIR overrides build/component)
#
# Ends with the line "N passed, N failed" and a non-zero status on any failure.
set -uo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$repo/scripts/lib/packages.sh"
build_root="${ZOP_COMPONENT_BUILD_DIR:-$repo/build/component}"
allowed_imports="advapi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll user32.dll version.dll"

passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok - $1"; }
fail() { failed=$((failed + 1)); echo "FAILED - $1"; }

# Adds the "N passed, N failed" line of a test run to the totals; a run that
# printed none counts as one failure.
add_summary() {
  local name="$1" output="$2" summary
  summary="$(grep -E '^[0-9]+ passed, [0-9]+ failed$' <<<"$output" | tail -n 1)"
  if [[ -z "$summary" ]]; then
    fail "$name printed no summary"
    return
  fi
  local p f
  read -r p _ f _ <<<"$summary"
  passed=$((passed + p))
  failed=$((failed + f))
}

# wine64 satisfies wine's dependency; wine32 would stop 64-bit programs from
# running here, so recommended packages stay out.
install_missing_packages() {
  ensure_packages cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev wine64 wine \
    </dev/null || { echo "package installation failed"; exit 1; }
  command -v node >/dev/null || ensure_packages nodejs </dev/null || { echo "package installation failed"; exit 1; }
}

build() {
  local arch="$1"
  cmake -S "$repo" -B "$build_root/$arch" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DZOP_BUILD_TESTS=ON >"$build_root/$arch.configure.log" 2>&1 &&
    cmake --build "$build_root/$arch" -j2 --target zopDrupal zop_component_client >"$build_root/$arch.build.log" 2>&1
}

# Exports by name with ordinals 1 to 4, nothing else.
check_exports() {
  local arch="$1" dll="$2" exports
  exports="$("$arch-w64-mingw32-objdump" -p "$dll" | awk '
    /^Export Address Table -- Ordinal Base/ { base = $NF }
    /^\[Ordinal\/Name Pointer\] Table/ { names = 1; next }
    names && /^\t\[/ { gsub(/[][]/, " "); print $1 + base, $2; next }
    names { names = 0 }')"
  local expected=$'1 DllCanUnloadNow\n2 DllGetClassObject\n3 DllRegisterServer\n4 DllUnregisterServer'
  if [[ "$exports" == "$expected" ]]; then pass "$arch: exports and ordinals"; else fail "$arch: exports are: $exports"; fi
}

check_imports() {
  local arch="$1" dll="$2" foreign=""
  for name in $("$arch-w64-mingw32-objdump" -p "$dll" | awk '/DLL Name:/ { print tolower($3) }'); do
    [[ " $allowed_imports " == *" $name "* ]] || foreign+=" $name"
  done
  if [[ -z "$foreign" ]]; then pass "$arch: imports only system DLLs"; else fail "$arch: imports$foreign"; fi
}

client_run() {
  local name="$1" mode="$2" dll="$3" runtime="$4" machine="$5" output
  echo "== $name"
  output="$(wine "$client" "$mode" "$(winepath -w "$dll")" "$(winepath -w "$runtime")" "$machine" </dev/null 2>&1 | tr -d '\r')"
  echo "$output"
  add_summary "$name" "$output"
}

cleanup() {
  if [[ -n "${WINEPREFIX:-}" && -d "$WINEPREFIX" ]]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    rm -rf "$WINEPREFIX"
  fi
}

install_missing_packages
mkdir -p "$build_root"
for arch in i686 x86_64; do
  echo "== building $arch"
  if build "$arch"; then
    pass "$arch: build"
  else
    fail "$arch: build (see $build_root/$arch.build.log)"
    tail -n 30 "$build_root/$arch.configure.log" "$build_root/$arch.build.log"
    echo "$passed passed, $failed failed"
    exit 1
  fi
done

dll32="$build_root/i686/component/zopDrupal.dll"
dll64="$build_root/x86_64/component/zopDrupal.dll"
client="$build_root/x86_64/tests/component/zop_component_client.exe"
for arch in i686 x86_64; do
  dll="$build_root/$arch/component/zopDrupal.dll"
  check_exports "$arch" "$dll"
  check_imports "$arch" "$dll"
done

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX="$(mktemp -d /tmp/zop-wine.XXXXXX)"
export WINEPREFIX
trap cleanup EXIT
echo "== creating the Wine prefix $WINEPREFIX"
wineboot -i </dev/null >/dev/null 2>&1

client_run "i686 module file" module "$dll32" "$build_root/i686/runtime/zopDynMenus.js" win32
client_run "x86_64 module file" module "$dll64" "$build_root/x86_64/runtime/zopDynMenus.js" win64
runtime64="$build_root/x86_64/runtime/zopDynMenus.js"

if wine regsvr32 /s "$(winepath -w "$dll64")" </dev/null >/dev/null 2>&1; then pass "regsvr32 registers"; else fail "regsvr32 registers"; fi
client_run "registry after registration" registered "$dll64" "$runtime64" win64
client_run "the class through IDispatch" server "$dll64" "$runtime64" win64
echo "== the class from JScript"
output="$(wine cscript.exe //nologo "$(winepath -w "$repo/tests/component/component.js")" </dev/null 2>&1 | tr -d '\r')"
echo "$output"
add_summary "JScript test" "$output"
if wine regsvr32 /s /u "$(winepath -w "$dll64")" </dev/null >/dev/null 2>&1; then pass "regsvr32 unregisters"; else fail "regsvr32 unregisters"; fi
client_run "registry after unregistration" unregistered "$dll64" "$runtime64" win64

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
