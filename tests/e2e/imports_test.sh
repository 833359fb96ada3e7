#!/usr/bin/env bash
# The shipped programs import only libraries that Windows always maps from its own folder (its
# known libraries); any other import would be looked for beside the program first, and a copy
# planted there would run elevated before the program's first line.
#   tests/e2e/imports_test.sh OBJDUMP EXE...
set -uo pipefail
objdump=$1
shift
# Lower case. Known libraries on every Windows version the program supports, and ntdll (always
# mapped before anything else). shell32 and ole32 are known libraries too, but left out: under
# Wine, which keeps no such list, their own imports (shcore, shlwapi) come from beside the program.
allowed=' kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll ntdll.dll '
failed=0
for exe in "$@"; do
  names=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | tr -d '\r')
  if [[ -z $names ]]; then
    echo "FAIL: $(basename "$exe"): no imports listed (not a PE file?)" >&2
    failed=1
    continue
  fi
  for name in $names; do
    if [[ $allowed != *" $name "* ]]; then
      echo "FAIL: $(basename "$exe") imports $name, which Windows may load from the program's folder" >&2
      failed=1
    fi
  done
  echo "$(basename "$exe"):" $names
done
exit $failed
