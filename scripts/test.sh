#!/usr/bin/env bash
# Installs what is missing, builds the host, win64 and win32 flavours and runs every test: host tests natively,
# Windows tests under wine64 on a private Xvfb, and the fuzz runs. Ends with "N passed, N failed".
# Every stage runs even after a failure, so that one run shows everything that is wrong.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

passed=0
failed=0
retried=0

cleanup() {
  ovanta_wineserver_stop
  ovanta_xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail_stage() {
  echo "FAILED: $1"
  failed=$((failed + 1))
}

# Runs ctest in a build directory and adds its counts. A run that executes no test at all counts as a failure.
# Every test runs once: a failure is a failure. Only Wine's rare failure to start a program at all is met with
# another start, by the wine runner, which notes each in its retry log (counted at the end).
run_ctest() {
  local flavour=$1
  local log
  log="$(ovanta_build_dir "$flavour")/ctest.log"
  ovanta_say "Tests: $flavour"
  ctest --test-dir "$(ovanta_build_dir "$flavour")" --output-on-failure --no-tests=error -j "$OVANTA_JOBS" 2>&1 |
    tee "$log"
  local summary
  summary=$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [[ -z $summary ]]; then
    fail_stage "ctest in build/$flavour ran no test"
    return
  fi
  local run_failed=${summary%% *}
  local run_total=${summary##* }
  if [[ $run_total -eq 0 ]]; then
    fail_stage "ctest in build/$flavour ran no test"
    return
  fi
  passed=$((passed + run_total - run_failed))
  failed=$((failed + run_failed))
}

cd "$OVANTA_ROOT" || exit 1

ovanta_say "Dependencies"
if ! bash scripts/install-deps.sh; then
  fail_stage "installing the dependencies"
  echo "$passed passed, $failed failed"
  exit 1
fi

ovanta_say "Format"
if ! bash scripts/format.sh --check; then
  fail_stage "formatting"
fi

declare -A built
for flavour in host win64 win32; do
  ovanta_say "Build: $flavour"
  if ovanta_configure "$flavour" && ovanta_build "$flavour"; then
    built[$flavour]=1
  else
    fail_stage "build of $flavour"
  fi
done

if [[ -n ${built[host]:-} ]]; then
  run_ctest host
fi

if [[ -n ${built[win64]:-} ]]; then
  ovanta_say "Wine and display"
  if ovanta_xvfb_start && ovanta_wine_prepare && ovanta_wineserver_start; then
    : >"$OVANTA_WINE_RETRY_LOG"
    run_ctest win64
    if [[ -s $OVANTA_WINE_RETRY_LOG ]]; then
      echo "Test programs started again after Wine failed to start them:"
      cat "$OVANTA_WINE_RETRY_LOG"
    fi
    retried=$(cut -d: -f1 "$OVANTA_WINE_RETRY_LOG" | sort -u | wc -l)
  else
    fail_stage "setting up Wine and Xvfb"
  fi
  ovanta_wineserver_stop
  ovanta_xvfb_stop
fi

# Each fuzz run: its script, the seconds it runs, and the build directory it uses.
run_fuzz() {
  local name=$1 script=$2 seconds=$3
  local dir log
  dir="$(ovanta_build_dir "$name")"
  log="$dir.log"
  mkdir -p "$(dirname "$log")"
  ovanta_say "Fuzzing: $name"
  if bash "$script" "$dir" "$seconds" >"$log" 2>&1; then
    tail -n 5 "$log"
    passed=$((passed + 1))
  else
    tail -n 60 "$log"
    fail_stage "fuzz run $name (log: $log)"
  fi
}
run_fuzz fuzz tests/fuzz/run-fuzz.sh 20
run_fuzz fuzz-html tests/fuzz/html/run-html-fuzz.sh 30

cleanup
echo
echo "$retried tests retried after Wine failed to start them"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
