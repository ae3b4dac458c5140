#!/usr/bin/env bash
# Installs what building and testing ntver needs on Debian or Ubuntu, skipping what is there:
# CMake and g++ with GoogleTest for the host build, mingw-w64 for ntver.exe, Wine (with i386
# multiarch, for 32-bit programs) to run it.
set -euo pipefail

packages=(cmake make g++ libgtest-dev libgmock-dev g++-mingw-w64-i686-win32 wine wine32:i386 wine64)

installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]; }

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
