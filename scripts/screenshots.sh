#!/usr/bin/env bash
# Builds the win64 flavour and saves screenshots of the dialog as it first appears, in German and in English,
# to docs/dialog-de.png and docs/dialog-en.png. Runs on a private Xvfb, so it needs no display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

cleanup() {
  ovanta_wineserver_stop
  ovanta_xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cd "$OVANTA_ROOT"
ovanta_say "Build: win64"
ovanta_configure win64 >/dev/null
ovanta_build win64 Ovanta winprobe
build="$(ovanta_build_dir win64)"
program="$build/app/Ovanta.exe"
probe="$build/tests/win/support/winprobe.exe"
ovanta_wine_prepare
ovanta_xvfb_start
ovanta_wineserver_start
mkdir -p docs

# shoot LOCALE TITLE FILE: starts the dialog in the language of LOCALE, waits until its first paint has reached
# the hint band at the bottom and two shots in a row agree, saves its client area and closes it.
shoot() {
  local locale=$1 title=$2 file=$3 client left top width height program_pid attempt previous pixels
  LC_ALL=$locale "$OVANTA_WINE64" "$program" </dev/null &
  program_pid=$!
  client=$(LC_ALL=$locale "$OVANTA_WINE64" "$probe" window "$title" 60 2>/dev/null) || {
    echo "error: no window titled \"$title\" appeared" >&2
    kill "$program_pid" 2>/dev/null || true
    return 1
  }
  read -r left top width height <<<"$(tr -d '\r' <<<"$client")"
  previous=
  for ((attempt = 0; attempt < 100; attempt++)); do
    sleep 0.2
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$file"
    # The hint band's bottom right pixel turns pale yellow with the dialog's first paint.
    [[ $(convert "$file" -crop "1x1+$((width - 3))+$((height - 1))" -depth 8 txt:- |
      grep -o '#[0-9A-F]\{6\}') == "#FEF9D3" ]] || continue
    pixels=$(convert "$file" -depth 8 rgb:- | md5sum)
    [[ $pixels == "$previous" ]] && break
    previous=$pixels
  done
  echo "Screenshot: $file"
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
}

shoot de_DE.UTF-8 "Vollversion registrieren" docs/dialog-de.png
shoot en_US.UTF-8 "Register full version" docs/dialog-en.png
