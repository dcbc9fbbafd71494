#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ovanta use; does nothing when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3 clang-format googletest libbenchmark-dev curl
  clang libclang-rt-dev                                    # libFuzzer
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix      # win64 and win32 toolchains
  wine64                                                   # runs the win64 programs (no 32-bit Wine here)
  xvfb xauth xdotool imagemagick                           # private display, window control, screenshots
)

missing=()
for package in "${packages[@]}"; do
  if [[ $(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) != installed ]]; then
    missing+=("$package")
  fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
apt_output=$(mktemp)
trap 'rm -f "$apt_output"' EXIT
if ! "${as_root[@]}" apt-get install -y "${missing[@]}" 2>&1 </dev/null | tee "$apt_output"; then
  if grep -q "held broken packages" "$apt_output"; then
    echo "Retrying from bookworm"
    "${as_root[@]}" apt-get install -y -t bookworm "${missing[@]}" </dev/null
  else
    exit 1
  fi
fi
