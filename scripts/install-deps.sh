#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, only those missing (apt-get, as root).
set -euo pipefail
packages=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
          clang libclang-rt-14-dev valgrind g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 xvfb "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
