#!/usr/bin/env bash
# Checks that a Windows program imports system DLLs only, so that it runs on a Windows machine with nothing else
# installed: check-imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1
program=$2

# DLLs that every supported Windows version ships.
system_dlls='^(kernel32|user32|gdi32|gdiplus|advapi32|shell32|shlwapi|ole32|oleaut32|comctl32|comdlg32|uxtheme|wininet|version|psapi|setupapi|ntdll|msvcrt|ws2_32|winmm|imm32|msimg32|rpcrt4|dbghelp|crypt32|secur32|bcrypt|api-ms-win-[a-z0-9-]+)\.dll$'

imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
if [[ -z $imports ]]; then
  echo "error: no import table found in $program" >&2
  exit 1
fi
foreign=$(grep -Ev "$system_dlls" <<<"$imports" || true)
if [[ -n $foreign ]]; then
  echo "error: $program depends on DLLs that Windows does not ship:" >&2
  echo "$foreign" >&2
  exit 1
fi
echo "$program imports only system DLLs: $(tr '\n' ' ' <<<"$imports")"
