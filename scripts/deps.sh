#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12 (as root); quick when all is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev          # native build and unit tests
  g++-mingw-w64-x86-64-posix                             # the Windows program
  wine wine64 fonts-wine                                 # running it
  xvfb xauth xdotool x11-utils imagemagick               # a virtual display, screenshots
  clang libclang-rt-14-dev                               # libFuzzer
)

installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null \
  | awk '$NF == "installed" { print $1 }' || true)
missing=()
for package in "${packages[@]}"; do
  grep -qx "$package" <<<"$installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "deps.sh: missing packages: ${missing[*]}; run this script as root to install them" >&2
  exit 1
fi
echo "deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
