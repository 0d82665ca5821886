#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer, run silently under wine: it installs Vindel.exe for
# the user with a Start-menu entry that starts it in its data folder, the
# installed program starts and ends with exit code 0 when its window is
# closed, and the uninstaller removes everything but the settings file. Into
# a folder of the user's it installs a Vindel folder of its own, it never
# writes over a user's file, and its uninstaller leaves the user's files.
#
#   installer-test.sh SETUP.EXE STAGED_VINDEL.EXE LAUNCHER.EXE
#
# Run through the build's wine-x11-run.sh (which sets the wine prefix and
# VINDEL_WINE) on a private X display (tests/support/with-x-server.sh).
set -euo pipefail
setup=$1 staged=$2 launcher=$3
wine=${VINDEL_WINE:?run through the build\'s wine-x11-run.sh}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
# Windows path of a folder named by environment variable, and its Linux path.
windows_folder() { "$wine" cmd /c "echo %$1%" | tr -d '\r'; }
linux_path() { "$wine" winepath -u "$1" | tr -d '\r'; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vindel'
local_appdata=$(windows_folder LOCALAPPDATA)
install_win="$local_appdata\\Programs\\Vindel"
data_win="$local_appdata\\Vindel"
shortcut_win="$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Vindel.lnk"
install=$(linux_path "$install_win")
data=$(linux_path "$data_win")
shortcut=$(linux_path "$shortcut_win")

# The prefix outlives a run: start from no installation.
rm -rf "$install" "$data" "$shortcut"
"$wine" reg delete "$uninstall_key" /f >/dev/null 2>&1 || true

echo "== install silently"
"$wine" "$setup" /S || fail "the installer ended with status $?"
for file in Vindel.exe LICENSE.txt Uninstall.exe; do
  [ -f "$install/$file" ] || fail "no $install_win\\$file"
done
cmp -s "$staged" "$install/Vindel.exe" || fail "the installed Vindel.exe is not the one shipped"
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut_win"
[ -d "$data" ] || fail "no data folder $data_win"
registered=$("$wine" reg query "$uninstall_key" | tr -d '\r')
grep -Eq "DisplayName +REG_SZ +Vindel$" <<<"$registered" || fail "not listed among installed programs: $registered"
grep -Fq "\"$install_win\\Uninstall.exe\"" <<<"$registered" || fail "no uninstall command: $registered"

echo "== start the installed Vindel.exe through its Start-menu entry"
started=$("$wine" "$launcher" "$shortcut_win" | tr -d '\r') || fail "no Vindel window, or it did not end well: $started"
echo "$started"
grep -q " exit_code=0 " <<<"$started" || fail "exit code not 0: $started"
# The working folder, letter case aside (wine spells the drive letter as it likes).
folder=$(sed -n 's/.* folder=//p' <<<"$started")
[ "${folder,,}" = "${data_win,,}" ] || fail "started in '$folder', not in the data folder '$data_win'"

echo "== uninstall silently, with a settings file in the data folder"
printf '1\r\n' >"$data/Vindel.ini"
# The uninstaller runs on from a copy of itself in the temporary folder and
# removes the installation folder last.
"$wine" "$install_win\\Uninstall.exe" /S || fail "the uninstaller ended with status $?"
for _ in $(seq 1 600); do
  [ -e "$install" ] || break
  sleep 0.1
done
[ ! -e "$install" ] || fail "the installation folder is still there: $(ls -A "$install")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "still listed among installed programs"
[ -d "$data" ] || fail "the data folder went, and Vindel.ini with it"
[ "$(ls -A "$data")" = "Vindel.ini" ] || fail "the data folder holds '$(ls -A "$data")', not Vindel.ini alone"
[ "$(cat "$data/Vindel.ini")" = $'1\r' ] || fail "Vindel.ini was changed"
echo "== install into a folder of the user's, which holds a LICENSE.txt of the user's"
tools_win="$local_appdata\\Tools"
tools=$(linux_path "$tools_win")
rm -rf "$tools"
mkdir -p "$tools"
printf 'mine\r\n' >"$tools/LICENSE.txt"
# /D takes the rest of the command line, unquoted.
"$wine" "$setup" /S "/D=$tools_win" || fail "the installer ended with status $?"
for file in Vindel.exe LICENSE.txt Uninstall.exe; do
  [ -f "$tools/Vindel/$file" ] || fail "no $tools_win\\Vindel\\$file: $(ls -A "$tools")"
done
[ "$(cat "$tools/LICENSE.txt")" = $'mine\r' ] || fail "the user's LICENSE.txt was written over"
"$wine" "$tools_win\\Vindel\\Uninstall.exe" /S || fail "the uninstaller ended with status $?"
for _ in $(seq 1 600); do
  [ -e "$tools/Vindel" ] || break
  sleep 0.1
done
[ ! -e "$tools/Vindel" ] || fail "the Vindel folder is still there: $(ls -A "$tools/Vindel")"
[ "$(ls -A "$tools")" = "LICENSE.txt" ] || fail "the user's folder holds '$(ls -A "$tools")'"
[ "$(cat "$tools/LICENSE.txt")" = $'mine\r' ] || fail "the user's LICENSE.txt was changed"

echo "== a folder named Vindel with a file of the user's in it is refused"
mkdir -p "$tools/Vindel"
printf 'mine\r\n' >"$tools/Vindel/LICENSE.txt"
if "$wine" "$setup" /S "/D=$tools_win\\Vindel"; then
  fail "the installer installed over the user's LICENSE.txt"
fi
[ "$(ls -A "$tools/Vindel")" = "LICENSE.txt" ] || fail "the installer wrote '$(ls -A "$tools/Vindel")'"
[ "$(cat "$tools/Vindel/LICENSE.txt")" = $'mine\r' ] || fail "the user's LICENSE.txt was written over"
rm -rf "$tools"
echo "installer test: passed"
