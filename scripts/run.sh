#!/usr/bin/env bash
# Installs what is missing, builds the win64 flavour and starts Ovanta under wine64, with the demo vendor server
# on 127.0.0.7:80 (the address the default build downloads from) serving the demo installer.
# With a display the program simply runs and the user goes through the steps. Without one, a private Xvfb is
# started and the script goes through them itself: it types a customer ID, presses the download button and
# saves screenshots of the dialog, the busy panel and the started installer to build/screenshots/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

window_titles='^(Vollversion registrieren|Register full version)$'
screenshots="$OVANTA_ROOT/build/screenshots"
customer_id=QX-2026-07

program_pid=
server_pid=
cleanup() {
  if [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
  fi
  if [[ -n $server_pid ]]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  ovanta_wineserver_stop
  ovanta_xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cd "$OVANTA_ROOT"
bash scripts/install-deps.sh
ovanta_say "Build: win64"
ovanta_configure win64
ovanta_build win64
build="$(ovanta_build_dir win64)"
program="$build/app/Ovanta.exe"
installer="$build/demo/installer/quillon_demo_installer.exe"
probe="$build/tests/win/support/winprobe.exe"
for file in "$program" "$installer" "$probe"; do
  if [[ ! -f $file ]]; then
    echo "error: $file was not built" >&2
    exit 1
  fi
done
ovanta_wine_prepare

# The download takes a few seconds, so that the busy panel can be seen.
ovanta_say "Demo vendor server on 127.0.0.7:80 (its log follows)"
server_ready=$(mktemp -u)
python3 -u demo/vendor_server.py serve 127.0.0.7 80 --installer "$installer" --answer slow:3 \
  --ready "$server_ready" > >(sed -u 's/^/[vendor server] /') 2>&1 &
server_pid=$!
for ((attempt = 0; attempt < 100; attempt++)); do
  [[ -e $server_ready ]] && break
  sleep 0.1
done
if [[ ! -e $server_ready ]]; then
  echo "error: the demo vendor server did not start (is 127.0.0.7:80 in use?)" >&2
  exit 1
fi
rm -f "$server_ready"

if [[ -n ${DISPLAY:-} ]]; then
  ovanta_say "Running $program on $DISPLAY"
  "$OVANTA_WINE64" "$program"
  exit $?
fi

ovanta_say "No display: going through the steps on a private Xvfb"
ovanta_xvfb_start
ovanta_wineserver_start
"$OVANTA_WINE64" "$program" </dev/null &
program_pid=$!

# The dialog in either language; then its client area's screen position and size: "left top width height".
window=$(timeout 60 xdotool search --sync --onlyvisible --name "$window_titles" 2>/dev/null | head -n 1) || true
if [[ -z $window ]]; then
  echo "error: no window titled \"Vollversion registrieren\" or \"Register full version\" within 60 s" >&2
  exit 1
fi
title=$(xdotool getwindowname "$window")
client=$("$OVANTA_WINE64" "$probe" window "$title" 10 2>/dev/null) || {
  echo "error: the client area of \"$title\" cannot be found" >&2
  exit 1
}
read -r left top width height <<<"$(tr -d '\r' <<<"$client")"
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
mkdir -p "$screenshots"
shoot() {
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$screenshots/$1"
  echo "Screenshot: $screenshots/$1"
}

# Gives the dialog a moment to finish its first paint.
sleep 1
shoot 1-dialog.png

# Step 2: the customer ID into the edit box (client 126,314 .. 319,338); step 3: the button (126,461 .. 319,499).
xdotool mousemove $((left + 220)) $((top + 326)) click 1
xdotool type --delay 60 "$customer_id"
echo "Typed the customer ID $customer_id"
xdotool mousemove $((left + 222)) $((top + 480)) click 1
echo "Pressed the download button"
sleep 1.5
shoot 2-busy.png

# The installer reports where it was started from in a message box captioned "Quillon Setup".
box=
for ((attempt = 0; attempt < 300; attempt++)); do
  box=$(xdotool search --onlyvisible --name '^Quillon Setup$' 2>/dev/null | head -n 1 || true)
  [[ -n $box ]] && break
  sleep 0.1
done
status=0
for ((attempt = 0; attempt < 300; attempt++)); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "error: Ovanta is still running 30 s after the download started" >&2
  shoot failure.png
  exit 1
fi
wait "$program_pid" || status=$?
program_pid=
echo "Ovanta ended with exit code $status"
if [[ -z $box ]]; then
  echo "error: the installer did not appear" >&2
  exit 1
fi
sleep 0.5
import -window "$box" "$screenshots/3-installer.png"
echo "Screenshot: $screenshots/3-installer.png"
# The box may hold the focus already, and then a synchronous focus change would wait for ever.
timeout 5 xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
exit "$status"
