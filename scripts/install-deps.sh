#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ovanta use; does nothing when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3 clang-format googletest libbenchmark-dev curl
  clang libclang-rt-dev                                    # libFuzzer
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix      # win64 and win32 toolchains
  wine64                                                   # runs the win64 programs (no 32-bit Wine here)
  xvfb xauth xdotool imagemagick                           # private display, window control, screenshots
  locales
)
# The locales the Windows tests run under: Wine takes the system language from LC_ALL, and spells non-ASCII
# file names on disk only when that locale exists.
locales=(en_US.UTF-8 de_DE.UTF-8 de_CH.UTF-8 de_AT.UTF-8)

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi

# Generates the locales above that are missing.
ensure_locales() {
  local available missing_locales=() locale
  available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
  for locale in "${locales[@]}"; do
    local key
    key=$(tr '[:upper:]' '[:lower:]' <<<"${locale/UTF-8/utf8}")
    if ! grep -qx "$key" <<<"$available"; then
      missing_locales+=("$locale")
    fi
  done
  if [[ ${#missing_locales[@]} -eq 0 ]]; then
    return 0
  fi
  echo "Generating locales: ${missing_locales[*]}"
  for locale in "${missing_locales[@]}"; do
    if ! grep -qx "$locale UTF-8" /etc/locale.gen; then
      echo "$locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    fi
  done
  "${as_root[@]}" locale-gen
}

missing=()
for package in "${packages[@]}"; do
  if [[ $(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) != installed ]]; then
    missing+=("$package")
  fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
  ensure_locales
  exit 0
fi

echo "Installing: ${missing[*]}"
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
ensure_locales
