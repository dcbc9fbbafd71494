#!/usr/bin/env bash
# Installs what is missing, builds the win64 flavour and starts Ovanta under wine64.
# With a display the program simply runs. Without one, a private Xvfb is started, the dialog is awaited, a
# screenshot is saved to build/screenshots/ovanta.png and the program is closed again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

window_titles='^(Vollversion registrieren|Register full version)$'
screenshot="$OVANTA_ROOT/build/screenshots/ovanta.png"

program_pid=
cleanup() {
  if [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
  fi
  ovanta_wineserver_stop
  ovanta_xvfb_stop
}
trap cleanup EXIT

cd "$OVANTA_ROOT"
bash scripts/install-deps.sh
ovanta_say "Build: win64"
ovanta_configure win64
ovanta_build win64
program="$(ovanta_build_dir win64)/app/Ovanta.exe"
if [[ ! -f $program ]]; then
  echo "error: $program was not built (the app target Ovanta is missing)" >&2
  exit 1
fi
ovanta_wine_prepare

if [[ -n ${DISPLAY:-} ]]; then
  ovanta_say "Running $program on $DISPLAY"
  "$OVANTA_WINE64" "$program"
  exit $?
fi

ovanta_say "No display: running $program on a private Xvfb"
ovanta_xvfb_start
ovanta_wineserver_start
"$OVANTA_WINE64" "$program" </dev/null &
program_pid=$!

window=
for ((attempt = 0; attempt < 600; attempt++)); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    status=0
    wait "$program_pid" || status=$?
    program_pid=
    echo "error: Ovanta ended (exit code $status) before its window appeared" >&2
    exit 1
  fi
  window=$(xdotool search --onlyvisible --name "$window_titles" 2>/dev/null | head -n 1 || true)
  if [[ -n $window ]]; then
    break
  fi
  sleep 0.1
done
if [[ -z $window ]]; then
  echo "error: no window titled \"Vollversion registrieren\" or \"Register full version\" within 60 s" >&2
  exit 1
fi

# Gives the dialog a moment to finish its first paint.
sleep 1
mkdir -p "$(dirname "$screenshot")"
import -window "$window" "$screenshot"
echo "Screenshot of the dialog: $screenshot"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers alt+F4
for ((attempt = 0; attempt < 150; attempt++)); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    break
  fi
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "error: Ovanta did not close on Alt+F4 within 15 s; stopping it" >&2
  exit 1
fi
status=0
wait "$program_pid" || status=$?
program_pid=
echo "Ovanta closed (exit code $status)"
exit "$status"
