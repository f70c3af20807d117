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
  murkwell_need_packages cmake make g++ g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686 \
    googletest libbenchmark-dev clang clang-format libclang-rt-14-dev fp-utils zlib1g-dev nsis
}

murkwell_wine_deps() {
  murkwell_need_packages wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick xauth
}

murkwell_vnc_deps() {
  murkwell_need_packages x11vnc
}
