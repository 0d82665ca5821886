#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lists the DLLs that a Windows program imports, and fails if any of them is
# not part of Windows itself: Vindel.exe has to run alone, with the C++
# run-time, libgcc and winpthread linked in.
#
#   check-imports.sh OBJDUMP PROGRAM.exe
#
# OBJDUMP is the mingw-w64 toolchain's objdump (CMake's CMAKE_OBJDUMP).
set -euo pipefail
objdump=$1 program=$2

# Windows' own DLLs that Vindel may use; WS2_32 is loaded at run time, not
# imported, but importing it would be no harm. api-ms-win-* are the names
# under which Windows 10 and later hand out the universal C run-time.
windows_own='^(kernel32|user32|gdi32|comctl32|ole32|oleaut32|ws2_32|windowscodecs|shell32|advapi32|msvcrt|ucrtbase|api-ms-win-.*)\.dll$'

mapfile -t dlls < <("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
# Every Windows program imports something (KERNEL32 at least): none found
# means the listing was not read, not that the program is clean.
[ ${#dlls[@]} -gt 0 ] || {
  echo "no imported DLLs found in $program" >&2
  exit 1
}
echo "$program imports: ${dlls[*]}"
foreign=()
for dll in "${dlls[@]}"; do
  grep -Eqi "$windows_own" <<<"$dll" || foreign+=("$dll")
done
if [ ${#foreign[@]} -gt 0 ]; then
  echo "not Windows' own: ${foreign[*]}" >&2
  exit 1
fi
