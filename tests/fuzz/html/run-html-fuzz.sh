#!/usr/bin/env bash
# Builds the libFuzzer target of the HTML parser and layout with clang++ and runs it for SECONDS. The seed corpus
# comes from seed-captions.txt (one caption a line, each with wrapping at 408 pixels and without); the corpus the
# fuzzer grows stays in BUILD_DIR. Exits non-zero when the target crashes, leaks, times out or a check fails; the
# input that did it is left in BUILD_DIR as crash-*, leak-* or timeout-*.
#
#   tests/fuzz/html/run-html-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail

if [[ $# -ne 2 || ! $2 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$(mkdir -p "$1" && cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../../.." && pwd)
cxx=${OVANTA_FUZZ_CXX:-clang++}

flags=(-std=c++20 -g -O1 -I"$root/framework/core" -I"$root/html" -I"$root/tests/support" -Wall -Wextra -Wpedantic
       -Werror -Wshadow -Wold-style-cast)
sources=("$root/framework/core/Utf8.cpp" "$root/tests/support/HtmlCharacterWrap.cpp")
# The portable core only: the sources of ovanta_html_core as the CMake tree lists them.
while read -r source; do
  sources+=("$root/html/$source")
done < <(sed -n '/add_library(ovanta_html_core/,/)/s|.*CMAKE_CURRENT_LIST_DIR}/\(.*\.cpp\).*|\1|p' "$root/html/HtmlRender.cmake")

echo "html fuzz: building in $build"
"$cxx" "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  "${sources[@]}" "$here/FuzzHtml.cpp" -o "$build/fuzz-html"

corpus=$build/corpus/html
mkdir -p "$corpus"
line=0
while IFS= read -r caption; do
  line=$((line + 1))
  printf '\x01\x66%s' "$caption" >"$corpus/seed-$line-wrapped"
  printf '\x00\x00%s' "$caption" >"$corpus/seed-$line-plain"
done <"$here/seed-captions.txt"

echo "html fuzz: ${seconds}s"
"$build/fuzz-html" -max_total_time="$seconds" -max_len=4096 -len_control=20 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/" "$corpus"
echo "html fuzz: no crash"
