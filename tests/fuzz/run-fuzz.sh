#!/usr/bin/env bash
# Builds the libFuzzer targets of the stored-description stream (ReadObjectStream, ParseTextForm) with clang++ and
# runs them for SECONDS in all: two thirds for the binary reader, one third for the text form. The seed corpora
# come from seed-form.txt (compiled by a formc built here). Exits non-zero when a target crashes or a check fails;
# the input that did it is left in BUILD_DIR as crash-*.
#
#   tests/fuzz/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail

if [[ $# -ne 2 || ! $2 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$(mkdir -p "$1" && cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
cxx=${OVANTA_FUZZ_CXX:-clang++}

flags=(-std=c++20 -g -O1 -I"$root/framework/core" -Wall -Wextra -Wpedantic -Werror -Wshadow -Wold-style-cast)
sources=("$root"/framework/core/stream/*.cpp)

echo "fuzz: building in $build"
"$cxx" "${flags[@]}" "${sources[@]}" "$root/tools/formc/main.cpp" -o "$build/formc"
for target in BinaryStream TextForm; do
  "$cxx" "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    "${sources[@]}" "$here/Fuzz$target.cpp" -o "$build/fuzz-$target"
done

mkdir -p "$build/corpus/BinaryStream" "$build/corpus/TextForm"
"$build/formc" "$here/seed-form.txt" "$build/corpus/BinaryStream/seed-form.bin"
cp "$here/seed-form.txt" "$build/corpus/TextForm/seed-form.txt"

text_seconds=$((seconds / 3 > 0 ? seconds / 3 : 1))
binary_seconds=$((seconds - text_seconds > 0 ? seconds - text_seconds : 1))
run() {
  local target=$1 time=$2
  echo "fuzz: $target for ${time}s"
  "$build/fuzz-$target" -max_total_time="$time" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/crash-$target-" "$build/corpus/$target"
}
run BinaryStream "$binary_seconds"
run TextForm "$text_seconds"
echo "fuzz: no crash"
