# ensure_packages PACKAGE...: installs with apt-get the Debian packages that
# are not installed yet (the package lists are updated first, once).
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if [ -z "${ZOP_APT_UPDATED:-}" ]; then
    apt-get update -q
    export ZOP_APT_UPDATED=1
  fi
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What the portable build needs: compiler, CMake, the libraries and Node.js
# (the runtime library is built by a Node script).
ensure_build_packages() {
  ensure_packages g++ cmake make nlohmann-json3-dev libcli11-dev libutfcpp-dev libgtest-dev libbenchmark-dev
  command -v node >/dev/null || ensure_packages nodejs
}
