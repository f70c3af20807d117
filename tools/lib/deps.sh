#!/usr/bin/env bash
# Installs what the build and the tests need, once. Quiet and idempotent:
# when everything is present it costs a few dpkg queries.
set -euo pipefail

murkwell_need_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  ((${#missing[@]} == 0)) && return 0
  if [[ " ${missing[*]} " == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

murkwell_build_deps() {
  murkwell_need_packages cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools \
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 googletest libbenchmark-dev clang \
    clang-format libclang-rt-14-dev fp-utils zlib1g-dev nsis
}

# Wine's 32-bit half only where the host starts 32-bit processes: elsewhere it cannot run.
murkwell_wine_deps() {
  local packages=(wine wine64 xvfb xdotool x11-utils imagemagick xauth)
  if [[ -z "$(murkwell_no_32bit_reason)" ]]; then
    packages+=(wine32:i386)
  fi
  murkwell_need_packages "${packages[@]}"
}

murkwell_vnc_deps() {
  murkwell_need_packages x11vnc
}
