# shellcheck shell=bash
# Shell functions shared by scripts/test.sh and scripts/run.sh (sourced, not run).

OVANTA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OVANTA_JOBS=2
OVANTA_XVFB_PID=
OVANTA_WINESERVER_RUNNING=

ovanta_say() { printf '\n==> %s\n' "$*"; }

ovanta_build_dir() { printf '%s/build/%s' "$OVANTA_ROOT" "$1"; }

# Configures one flavour (host, win64 or win32) in build/<flavour>.
ovanta_configure() {
  local flavour=$1
  local arguments=(-S "$OVANTA_ROOT" -B "$(ovanta_build_dir "$flavour")" -G Ninja)
  case $flavour in
    host) ;;
    win64 | win32) arguments+=("-DCMAKE_TOOLCHAIN_FILE=$OVANTA_ROOT/cmake/toolchain-$flavour.cmake") ;;
    *)
      echo "error: unknown flavour '$flavour'" >&2
      return 1
      ;;
  esac
  cmake "${arguments[@]}"
}

# Builds one configured flavour: ovanta_build FLAVOUR [TARGET...]
ovanta_build() {
  local flavour=$1
  shift
  local targets=()
  if [[ $# -gt 0 ]]; then
    targets=(--target "$@")
  fi
  cmake --build "$(ovanta_build_dir "$flavour")" -j "$OVANTA_JOBS" "${targets[@]}"
}

# Starts a private Xvfb on the first free display from :97 on and exports DISPLAY.
ovanta_xvfb_start() {
  local number attempt
  local log="$OVANTA_ROOT/build/xvfb.log"
  mkdir -p "$OVANTA_ROOT/build"
  for ((number = 97; number < 200; number++)); do
    if [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; then
      continue
    fi
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
    OVANTA_XVFB_PID=$!
    # The display is ours once its lock file names our server and its socket exists; a server that ends
    # early lost the display to another one started at the same moment.
    for ((attempt = 0; attempt < 100; attempt++)); do
      if ! kill -0 "$OVANTA_XVFB_PID" 2>/dev/null; then
        break
      fi
      if [[ -S /tmp/.X11-unix/X$number && $(tr -d ' ' <"/tmp/.X$number-lock" 2>/dev/null) == "$OVANTA_XVFB_PID" ]]; then
        export DISPLAY=":$number"
        echo "Xvfb running on $DISPLAY"
        return 0
      fi
      sleep 0.1
    done
    kill "$OVANTA_XVFB_PID" 2>/dev/null
    wait "$OVANTA_XVFB_PID" 2>/dev/null
    OVANTA_XVFB_PID=
  done
  echo "error: could not start Xvfb (log: $log)" >&2
  return 1
}

ovanta_xvfb_stop() {
  if [[ -n $OVANTA_XVFB_PID ]]; then
    kill "$OVANTA_XVFB_PID" 2>/dev/null
    wait "$OVANTA_XVFB_PID" 2>/dev/null
    OVANTA_XVFB_PID=
  fi
}

# Takes the wine environment of the win64 build (prefix in build/win64/wineprefix) and creates the prefix if
# this is its first use.
ovanta_wine_prepare() {
  local environment
  environment="$(ovanta_build_dir win64)/harness/wine-env.sh"
  if [[ ! -f $environment ]]; then
    echo "error: $environment missing: configure the win64 flavour first" >&2
    return 1
  fi
  # shellcheck source=/dev/null
  source "$environment"
  ovanta_wine_prefix_ensure
}

# Starts one persistent wineserver for the prefix, so that programs start fast and share it. Wine's own
# background processes (services, the desktop window of DISPLAY) are started here too, with their output on
# /dev/null: started by the first test instead, they would keep that test's output pipe open and ctest would
# wait for them until its timeout.
ovanta_wineserver_start() {
  local status=0
  "$WINESERVER" -p || status=$?
  case $status in
    0) ;;
    # Left over from an interrupted run: taken over, and stopped at the end like our own.
    2) echo "A wineserver for $WINEPREFIX is already running; using it" ;;
    *) return 1 ;;
  esac
  OVANTA_WINESERVER_RUNNING=1
  "$OVANTA_WINE64" cmd.exe /c exit </dev/null >/dev/null 2>&1
}

ovanta_wineserver_stop() {
  if [[ -n $OVANTA_WINESERVER_RUNNING ]]; then
    "$WINESERVER" -k 2>/dev/null
    timeout 30 "$WINESERVER" -w 2>/dev/null
    OVANTA_WINESERVER_RUNNING=
  fi
}
