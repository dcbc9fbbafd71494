#!/usr/bin/env bash
# Formats every C++ source of the tree with the repository's .clang-format.
#   scripts/format.sh           rewrites the files in place
#   scripts/format.sh --check   changes nothing; lists the files that are not formatted and fails if there are any
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if ! command -v clang-format >/dev/null; then
  echo "error: clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c' '*.inl')
if [[ ${#files[@]} -eq 0 ]]; then
  echo "error: no C++ sources found" >&2
  exit 1
fi

if [[ ${1:-} != --check ]]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi

# One clang-format run over all files; each finding names its file at the start of the line.
mapfile -t unformatted < <(clang-format --style=file --dry-run "${files[@]}" 2>&1 |
  sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(warning\|error\): .*/\1/p' | sort -u)
if [[ ${#unformatted[@]} -gt 0 ]]; then
  echo "Not formatted (run scripts/format.sh):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "All ${#files[@]} C++ sources are formatted."
