#!/usr/bin/env bash
# Checks the wine runner (run-under-wine.sh.in) with a stand-in for the wine loader: a test program that Wine
# failed to start (nothing printed, a failing status) is started again, named, at most twice; anything printed
# or a passing status keeps the result of the first start; a program run without a test name runs once.
#   wine-runner-test.sh RUNNER_TEMPLATE
set -euo pipefail
template=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stand-in takes its behaviour for the n-th start from line n of $PLAN: "silent STATUS" prints nothing,
# "out STATUS" prints on standard output, "err STATUS" on standard error.
cat >"$work/wine" <<'STANDIN'
#!/usr/bin/env bash
count=$(($(cat "$PLAN.count" 2>/dev/null || echo 0) + 1))
echo "$count" >"$PLAN.count"
read -r kind status < <(sed -n "${count}p" "$PLAN")
case $kind in
  out) echo "start $count" ;;
  err) echo "start $count" >&2 ;;
esac
exit "$status"
STANDIN
chmod +x "$work/wine"
cat >"$work/env.sh" <<ENV
OVANTA_WINE64='$work/wine'
OVANTA_WINE_RETRY_LOG='$work/retries.log'
ovanta_wine_prefix_ensure() { :; }
ENV
sed "s|@OVANTA_WINE_ENV@|$work/env.sh|" "$template" >"$work/runner.sh"

failures=0
# test name ("-" for none), the starts' plan, expected status, starts, retry log lines
cases=(
  "t1|silent 1,out 0|0|2|1"
  "t2|silent 1,silent 1,silent 1,out 0|1|3|2"
  "t3|out 1,out 0|1|1|0"
  "t4|err 3,out 0|3|1|0"
  "t5|silent 0,out 1|0|1|0"
  "-|silent 1,out 0|1|1|0"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name plan want_status want_starts want_logged <<<"$entry"
  export PLAN="$work/plan"
  tr ',' '\n' <<<"$plan" >"$PLAN"
  rm -f "$PLAN.count" "$work/retries.log"
  status=0
  if [[ $name == - ]]; then
    env -u OVANTA_TEST_NAME bash "$work/runner.sh" program.exe >"$work/printed" 2>&1 || status=$?
  else
    OVANTA_TEST_NAME=$name bash "$work/runner.sh" program.exe >"$work/printed" 2>&1 || status=$?
  fi
  starts=$(cat "$PLAN.count")
  logged=$(grep -c "^$name: Wine ended after" "$work/retries.log" 2>/dev/null || true)
  announced=$(grep -c "^run-under-wine: $name: Wine ended after .* printed nothing; starting it again" "$work/printed" || true)
  if [[ $status != "$want_status" || $starts != "$want_starts" || ${logged:-0} != "$want_logged" ||
    $announced != "$want_logged" ]]; then
    echo "FAIL $entry: status $status, starts $starts, logged ${logged:-0}, announced $announced"
    sed 's/^/  | /' "$work/printed"
    failures=$((failures + 1))
  fi
done
echo "$((${#cases[@]} - failures)) of ${#cases[@]} runner cases as expected"
[[ $failures -eq 0 ]]
