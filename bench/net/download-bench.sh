#!/usr/bin/env bash
# Download throughput of THTTPGet under wine64 against curl, 50 MB each from the same loopback server, best of
# three runs. Needs the win64 build (scripts/test.sh or scripts/run.sh makes it). Prints both and the ratio.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

build=$(ovanta_build_dir win64)
bench=$build/bench/net/httpget_bench.exe
if [[ ! -f $bench ]]; then
  echo "error: $bench is missing: build the win64 flavour first" >&2
  exit 1
fi
size=$((50 * 1024 * 1024))
address=127.0.0.21
url=http://$address/bytes/$size
scratch=$(mktemp -d)
server="$OVANTA_ROOT/tests/win/net/fixture_server.py"

cleanup() {
  python3 "$server" stop "$scratch/server.pid" || true
  ovanta_wineserver_stop
  ovanta_xvfb_stop
  rm -rf "$scratch"
}
trap cleanup EXIT
python3 "$server" start "$address" 80 "$scratch/server.pid"
ovanta_xvfb_start
ovanta_wine_prepare
ovanta_wineserver_start

httpget=$("$build/harness/run-under-wine.sh" "$bench" "$url" 'C:\windows\temp\httpget-bench.bin' 3 | tr -d '\r')
curl_best=0
for _ in 1 2 3; do
  speed=$(curl --silent --show-error --http1.0 --output "$scratch/curl.bin" --write-out '%{speed_download}' "$url")
  speed=${speed%.*}
  if ((speed > curl_best)); then
    curl_best=$speed
  fi
done
awk -v h="$httpget" -v c="$curl_best" 'BEGIN {
  printf "THTTPGet (wine64): %.0f MB/s\ncurl:              %.0f MB/s\nratio:             %.2f\n", h / 1e6, c / 1e6, h / c
}'
