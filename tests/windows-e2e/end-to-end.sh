#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Vindel.exe from start to "Close" under wine, against the simulated switch
# (an SG300-10): the operator's choices typed into the real window (xdotool);
# a run for a model with more ports than the switch, which names the port it
# refused; a run with a wrong password, which says the login was refused;
# then the corrected run: both boxes, the bytes on the wire and their pauses,
# Vindel.ini, the diagram window's texts, and exit code 0.
#
#   end-to-end.sh SOURCE_DIR BUILD_DIR Vindel.exe window-texts.exe
#
# The switch listens on 127.0.0.1 port 23 inside a private network namespace
# made here (root only), which also holds the private X display and wine.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  source_dir=$1 build_dir=$2
  skip() {
    if [ "${VINDEL_REQUIRE_REAL_PEERS:-}" = 1 ]; then
      echo "$1, and the end-to-end test may not skip" >&2
      exit 1
    fi
    echo "$1: skipping" >&2
    exit 77
  }
  command -v xdotool >/dev/null || skip "xdotool is not installed"
  [ "$(id -u)" = 0 ] || skip "not root: no private network namespace"
  # The simulated switch, built for this machine beside the Windows build.
  sim="${VINDEL_SWITCH_SIM:-}"
  if [ -z "$sim" ]; then
    host="$build_dir/host-tools"
    if [ ! -f "$host/CMakeCache.txt" ]; then
      cmake -S "$source_dir" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DVINDEL_BUILD_GUI=OFF -DVINDEL_BUILD_TESTS=OFF >/dev/null
    fi
    cmake --build "$host" --target vindel-switch-sim >/dev/null
    sim="$host/tools/switch-sim/vindel-switch-sim"
  fi
  exec unshare -n bash -c 'ip link set lo up && exec "$@"' bash \
    "$source_dir/tests/support/with-x-server.sh" --wm "$build_dir/wine-x11-run.sh" \
    bash "$0" --inside "$sim" "$3" "$4"
fi

sim=$2 program=$3 texts_program=$4
work="$(mktemp -d /tmp/vindel-windows-e2e.XXXXXX)"
sim_pid=
program_pid=
cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Polls for a condition with a generous limit.
wait_for() {
  local what=$1 tries=$2
  shift 2
  for _ in $(seq "$tries"); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  fail "gave up waiting for $what"
}

windows() { "$VINDEL_WINE" "$texts_program" 2>/dev/null | tr -d '\r'; }
box_shown() { windows | grep -q '^window #32770 '; }
# The box's text, without its button and the error box's icon (a Static
# with no text).
box_text() { windows | sed -n '/^window #32770 /,/^window /p' | grep -v '^window\|^  Button ' | sed 's/^  [^ ]* //' | sed '/^$/d'; }
no_box() { ! box_shown; }
form2_shown() { windows | grep -q '^window VindelForm owned Vindel'; }
setup_view() { windows | grep -qx '  Static N x M Matrix Setup'; }

cp "$program" "$work/Vindel.exe"
"$sim" --model SG300-10 --record "$work/record" --transcript "$work/transcript" &
sim_pid=$!

started=$(date +%s%N)
(cd "$work" && "$VINDEL_WINE" Vindel.exe; echo $? >"$work/exit-code") &
program_pid=$!
main_window=
find_main() { main_window=$(xdotool search --onlyvisible --name '^Vindel$' 2>/dev/null | head -1) && [ -n "$main_window" ]; }
wait_for "the main window" 600 find_main
echo "main window after $(( ($(date +%s%N) - started) / 1000000 )) ms"
xdotool windowactivate --sync "$main_window"

# Clicks into a control of the main window at its designed place (x y), and
# selects its text.
click_into() {
  xdotool mousemove --window "$main_window" "$1" "$2" click 1
  sleep 0.3
  xdotool key --delay 100 Home shift+End
}
connect() { xdotool mousemove --window "$main_window" 446 641 click 1; }
# Both boxes of a run, the second one's text in $second_box.
run_boxes() {
  wait_for "the first box" 150 box_shown
  first_box="$(box_text)"
  xdotool key Return
  wait_for "the first box to close" 150 no_box
  wait_for "the second box" 300 box_shown
  second_box="$(box_text)"
}

# The first run: SG300-20 with 12 inputs and one output, on a switch with
# 10 ports. The focus starts in the first box of the tab order, Input Ports;
# the model box is the last. The boxes complete what is typed.
xdotool key --delay 100 shift+Tab
xdotool type --delay 60 'SG300-20'
xdotool key --delay 100 Tab
xdotool type --delay 60 '12'
xdotool key --delay 100 Tab
xdotool type --delay 60 '1'
xdotool key --delay 100 Tab Tab ctrl+a
xdotool type --delay 60 '127.0.0.1'
xdotool key --delay 100 Tab
xdotool type --delay 60 'admin'
xdotool key --delay 100 Tab
xdotool type --delay 60 'secret'
# What assistive technology reads of the filled-in main window.
main_view="$(windows | sed -n '/^window VindelForm unowned/,/^window /p')"
# Back to Connect, and press it.
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab space
run_boxes
wrong_model_box="$second_box"
wrong_model_form2="$(form2_shown && echo shown || echo hidden)"
xdotool key Return
wait_for "the setup view after the refused port" 150 setup_view
first_line_after_wrong_model="$(head -1 "$work/Vindel.ini" | tr -d '\r')"

# The second run: the right model and counts, a wrong password.
click_into 302 105
xdotool type --delay 60 'SG300-10'
click_into 196 189
xdotool type --delay 60 '2'
click_into 197 237
xdotool type --delay 60 '3'
click_into 229 600
xdotool key ctrl+a
xdotool type --delay 60 'secrets'
connect
run_boxes
wrong_password_box="$second_box"
wrong_password_form2="$(form2_shown && echo shown || echo hidden)"
first_line_after_wrong_password="$(head -1 "$work/Vindel.ini" | tr -d '\r')"
xdotool key Return
wait_for "the setup view after the refused login" 150 setup_view

# The password corrected, Connect again: this run completes.
click_into 229 600
xdotool key ctrl+a
xdotool type --delay 60 'secret'
connect
run_boxes
first_line_with_box_open="$(head -1 "$work/Vindel.ini" | tr -d '\r')"
xdotool key Return
wait_for "the diagram window" 150 form2_shown
form2_filled() { windows | sed -n '/^window VindelForm owned/,/^window /p' | grep -q 'Ports 5'; }
wait_for "the diagram window's texts" 150 form2_filled
form2_texts="$(windows | sed -n '/^window VindelForm owned/,/^window /p')"

# "Close" on the main window, as the operator does it through the window
# manager: the program ends.
xdotool windowactivate --sync "$main_window" key alt+F4
program_exited() { [ -f "$work/exit-code" ]; }
wait_for "the program to end" 150 program_exited
program_pid=
kill "$sim_pid"
wait "$sim_pid" 2>/dev/null || true
sim_pid=

status=0
check() {
  if ! eval "$1"; then
    echo "FAILED: $1 ($2)" >&2
    status=1
  fi
}
refused_port='The switch rejected the command "interface gi11" with "% Wrong number of parameters or invalid range, size or characters entered", so it is not set up as chosen.'
refused_login='The switch refused the login name or password, so nothing was set up. Correct them and press "Connect" again.'
check '[ "$wrong_model_box" = "$refused_port" ]' "the wrong model's box: $wrong_model_box"
check '[ "$wrong_model_form2" = hidden ]' "the diagram window after the wrong model"
check '[ "$first_line_after_wrong_model" = 0 ]' "Vindel.ini after the wrong model: $first_line_after_wrong_model"
check '[ "$wrong_password_box" = "$refused_login" ]' "the wrong password's box: $wrong_password_box"
check '[ "$wrong_password_form2" = hidden ]' "the diagram window after the wrong password"
check '[ "$first_line_after_wrong_password" = 0 ]' "Vindel.ini after the wrong password: $first_line_after_wrong_password"
check '[ "$first_box" = "Please watting few minute!" ]' "first box: $first_box"
check '[ "$second_box" = "Setup Complete!" ]' "second box: $second_box"
check '[ "$first_line_with_box_open" = 0 ]' "Vindel.ini while the last box was open: $first_line_with_box_open"
check '[ "$(head -1 "$work/Vindel.ini" | tr -d "\r")" = 1 ]' "Vindel.ini's first line: $(head -1 "$work/Vindel.ini")"
check '[ "$(wc -l <"$work/Vindel.ini")" = 160 ]' "Vindel.ini has $(wc -l <"$work/Vindel.ini") lines"
check '[ "$(cat "$work/exit-code")" = 0 ]' "exit code $(cat "$work/exit-code")"
# The inputs by their names, the address with its value, the password box
# only as protected: the password itself is nowhere.
for line in '  Static Ethernet switch Model:' '  ComboBox Ethernet switch Model' \
  '  ComboBox Input Ports' '  ComboBox Output Ports' '  Button Connect' \
  '  Edit IP Address value="127.0.0.1"' '  Edit Login value="admin"' '  Edit Password protected'; do
  check 'grep -qxF "$line" <<<"$main_view"' "the main window reads no \"$line\": $main_view"
done
check '! grep -q secret <<<"$main_view"' "the main window's reading shows the password: $main_view"
for text in SG300-10 'Ports 2' 'Ports 3' 'Ports 5' 'Port G10'; do
  check 'grep -qx "  [^ ]* $text" <<<"$form2_texts"' "the diagram window shows no \"$text\": $form2_texts"
done
# The wire of the last run (the third connection): the script line by line,
# CR LF each, the negotiation replies only after it; the login a second after
# the connect and the last line after all the pauses (1 s, 0.5 s per output,
# 0.5 s, 5 s).
python3 - "$work/record" <<'PY' || status=1
import sys
reads = []
connections = 0
for line in open(sys.argv[1]):
    if line.startswith("# connection"):
        connections += 1
        reads = []
        continue
    fields = line.split()
    if len(fields) >= 2 and not line.startswith("#"):
        reads.append((int(fields[0]), bytes.fromhex("".join(fields[1:]))))
if connections != 3:
    print("FAILED: %d connections instead of 3" % connections, file=sys.stderr)
    sys.exit(1)
script = "".join(l + "\r\n" for l in [
    "admin", "secret", "config", "vlan 2", "vlan 3",
    "interface gi1", "switchport trunk native vlan 2",
    "interface gi2", "switchport trunk native vlan 3",
    "interface gi3", "switchport trunk native vlan 2",
    "interface gi4", "switchport trunk native vlan 2",
    "interface gi5", "switchport trunk native vlan 2",
    "exit", "exit", "copy running-config startup-config", "Y", "config"]).encode()
received = b"".join(data for _, data in reads)
ok = True
def expect(condition, text):
    global ok
    if not condition:
        print("FAILED: " + text, file=sys.stderr)
        ok = False
expect(received.startswith(script), "the wire: %r" % received[:len(script) + 20])
expect(received[len(script):].startswith(b"\xff\xfd\x01\xff\xfe\x03\xff\xfb\x18"),
       "the replies after the script: %r" % received[len(script):])
expect(reads and reads[0][0] >= 950, "the login came %s ms after the connect" % (reads[0][0] if reads else None))
# The read that completes the script.
total = 0
for ms, data in reads:
    total += len(data)
    if total >= len(script):
        expect(ms >= 1000 + 3 * 500 + 500 + 5000 - 50, "the last line came %d ms after the connect" % ms)
        break
sys.exit(0 if ok else 1)
PY
[ "$status" = 0 ] && echo "end-to-end run passed"
exit "$status"
