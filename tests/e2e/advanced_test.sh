#!/usr/bin/env bash
# The Advanced page under Wine: the first visit shows the session's pointer settings, OK writes
# changed ones back to the system, a macro recorded from the keyboard (with a delay changed in the
# delay dialog while it records) is saved, encoded and sent
# with Apply, loop times out of range become 1, the macro given to a button through the
# macro-key dialog goes into config.bin and the key matrix, Delete removes the macro's section at
# once; screenshots of the page with a macro in both skins.
#   tests/e2e/advanced_test.sh SIM_FOLDER WORK_FOLDER K8CTL_EXE K8POINTER_EXE
source "$(dirname "$0")/harness.sh"
e2e_begin "$@" || exit 1
k8ctl_exe=$(abs_path "$3")
k8pointer_exe=$(abs_path "$4")

pointer() { wine "$k8pointer_exe" "$@" </dev/null 2>>"$E2E_DIR/run.log" | tr -d '\r'; }
k8ctl() { (cd "$E2E_APP" && wine "$k8ctl_exe" "$@" </dev/null 2>>"$E2E_DIR/run.log" | tr -d '\r'); }
macros_listed() { k8ctl macros record.ini; }
box_shown() { journal_has "messagebox	QTV-K8GamingMouse-sim	$1"; }
no_popup() { ! popup_window >/dev/null; }
close_box() {  # close_box TEXT: the program's message box with that text, by Enter
  wait_for "message box '$1'" box_shown "$1" && wait_for "box window" popup_window &&
    send_keys "$(popup_window)" Return && wait_for "box closed" no_popup
}
# Centre of slider cell p in row r (1 speed, 2 wheel, 3 double-click).
cell_x() { centre_of advanced "slider row 1 cell $1" | cut -d' ' -f1; }
cell_y() { local l t r b; read -r l t r b <<<"$(rect_of advanced "slider row $1 cell 1")"; echo $((t + 5)); }
lit() {  # lit SHOT ROW P: cell p looks like cell 1 of its row (always lit here)
  [[ $(pixel "$1" "$(cell_x "$3")" "$(cell_y "$2")") == $(pixel "$1" "$(cell_x 1)" "$(cell_y "$2")") ]]
}
lights() {  # lights SHOT ROW N: cells 1..N lit, N+1 dark
  lit "$1" "$2" "$3" && ! lit "$1" "$2" $(($3 + 1))
}
select_loop_text() {  # the loop-times edit, its whole text selected
  click_on "$win" advanced "loop times edit"
  xdotool key Home keydown Shift_L key End keyup Shift_L
}
apply_and_wait() {  # Apply, then wait for the save (config.bin's first byte goes 0 -> 1)
  printf '\0' | dd of="$E2E_APP/config.bin" bs=1 count=1 conv=notrunc 2>/dev/null
  click_on "$win" pages Apply
  wait_for "config.bin saved" config_saved
}
image_bytes() { od -An -tu1 -j$((384 + 1 + 128 * $1)) -N2 "$E2E_APP/config.bin" | xargs; }
# Record offsets of the pointer fields.
precision=1955 speed=1957 wheel=1958 double_click=1959

# The session's settings before the program starts: speed 14, 7 lines, 640 ms, acceleration.
check "the session takes the test's pointer settings" pointer set 14 7 640 1
check "they read back" test "$(pointer get)" = "speed=14 wheel=7 double-click=640 acceleration=1"

e2e_prepare "$sim" 1 0
set_skin Default
e2e_launch
wait_for "tray icon" tray_icon_drawn || e2e_fail "no icon"
win=$(open_window) || { e2e_fail "the window did not open"; exit 1; }
click_on "$win" pages "Advanced tab"
move_to "$win" 400 40
sleep 0.6
shot "$win" "$shots/Default-first-visit.png"
first=$shots/Default-first-visit.png
check "first visit: speed 14 lights 8 cells" lights "$first" 1 8
check "first visit: 7 lines light 7 cells" lights "$first" 2 7
check "first visit: 640 ms lights 4 cells" lights "$first" 3 4
check "first visit: precision ticked, one-screen not" \
  test "$(pixel "$first" $(centre_of advanced "Enhance Pointer Precision box"))" != \
  "$(pixel "$first" $(centre_of advanced "Scroll One Screen box"))"
apply_and_wait || e2e_fail "Apply after the first visit"
check "the first visit stored the system's steps" test \
  "$(record_byte $precision) $(record_byte $speed) $(record_byte $wheel) $(record_byte $double_click)" \
  = "1 8 7 4"

# New settings on the page: speed step 3, 5 lines, step 9 (340 ms), no acceleration.
click_at "$win" "$(cell_x 3)" "$(cell_y 1)"
click_at "$win" "$(cell_x 5)" "$(cell_y 2)"
click_at "$win" "$(cell_x 9)" "$(cell_y 3)"
click_on "$win" advanced "Enhance Pointer Precision box"

# A macro: name, New, record A then B, change the first delay in the delay dialog while still
# recording (what is typed there is the dialog's, not the macro's), Stop, Confirm.
click_on "$win" advanced "macro name edit"
send_keys "$win" m a c r o
click_on "$win" advanced New
click_on "$win" advanced "Start Recording"
check "Start Recording asks first" close_box "Start Recording"
sleep 0.3
send_keys "$win" a b
sleep 0.5
move_to "$win" 650 240  # the second line, "50 ms"
sleep 0.3
xdotool click --repeat 2 --delay 80 1
if wait_for "delay dialog" dialog_window; then
  dlg=$(dialog_window)
  click_at "$win" 112 136
  send_keys "$dlg" 1 2 0 Return
  sleep 0.3
  dialog_ok || e2e_fail "OK did not close the delay dialog"
else
  e2e_fail "a double-clicked delay line opens the delay dialog"
fi
sleep 0.5
click_on "$win" advanced "Stop Recording"
check "Stop Recording tells" close_box "Stop Recording"
click_on "$win" advanced Confirm
check "Confirm saves the recorded macro" wait_for "record.ini" test -s "$E2E_APP/record.ini"
listed=$(macros_listed)
check "record.ini holds A then B as seven lines, the first delay changed ($(echo $listed))" test \
  "$(echo $listed)" = "0 macro: 7 lines, 4 pairs A Dn 120 ms A Up 50 ms B Dn 50 ms B Up"
cp "$E2E_APP/record.ini" "$work/record.ini"
move_to "$win" 400 40
sleep 0.5
shot "$win" "$shots/Default-macro.png"

# Loop times: 300 is kept; 0 and 70000 become 1.
select_loop_text
send_keys "$win" 3 0 0
apply_and_wait || e2e_fail "Apply with 300"
check "loop times 300 go into image 0 high byte first" test "$(image_bytes 0)" = "1 44"
select_loop_text
send_keys "$win" 0
apply_and_wait || e2e_fail "Apply with 0"
check "loop times 0 become 1" test "$(image_bytes 0)" = "0 1"
select_loop_text
send_keys "$win" 3 0 0
select_loop_text
send_keys "$win" 7 0 0 0 0
apply_and_wait || e2e_fail "Apply with 70000"
check "loop times 70000 become 1" test "$(image_bytes 0)" = "0 1"

# The macro on button 6 (box 6 of the Basic page, Mode A), repeat mode 3, through the macro-key
# dialog. Its index is set to another value first, so that only the dialog can make it 0.
macro_button=5
check "k8sim sets button 6's macro index to 7" k8sim set $((168 + macro_button)) 7
click_on "$win" pages "Basic tab"
sleep 0.3
if open_dialog $macro_button 13 "Macro key"; then
  click_on "$win" macro-key "drop-down field"
  read -r l t r b <<<"$(rect_of macro-key "drop list")"
  click_at "$win" 90 $((t + 7))  # its first item
  click_on "$win" macro-key "mode 3 box"
  dialog_ok || e2e_fail "OK did not close the macro-key dialog"
fi
click_on "$win" pages "Advanced tab"  # back there, where the window opens next time

# OK: the system gets the page's settings, config.bin the macro image of record.ini and the
# button's macro.
before=$(wire_lines)
printf '\0' | dd of="$E2E_APP/config.bin" bs=1 count=1 conv=notrunc 2>/dev/null
click_on "$win" pages OK
check "OK hides the window" wait_for "hidden" no_main_window
wait_for "config.bin saved" config_saved || e2e_fail "OK did not save"
check "OK wrote the pointer settings to the system ($(pointer get))" test "$(pointer get)" = \
  "speed=4 wheel=5 double-click=340 acceleration=0"
cp "$E2E_APP/config.bin" "$E2E_APP/expected.bin"
k8ctl encode-macros record.ini expected.bin >/dev/null
check "the macro images in config.bin are those of record.ini" \
  cmp "$E2E_APP/config.bin" "$E2E_APP/expected.bin"
pairs=$(od -An -tx1 -j$((384 + 1 + 2)) -N8 "$E2E_APP/config.bin" | xargs)
check "OK sends the macro image ($pairs)" \
  grep -qF "$pairs" <(tail -n +$((before + 1)) "$E2E_WIRE" | sent)
# Offsets in the record of Mode A's function, macroIndex and macroRepeatMode of the button.
macro_bytes() { echo "$(record_byte $1) $(record_byte $((168 + $1))) $(record_byte $((180 + $1)))"; }
check "button 6 is a macro key, the first macro, repeat mode 3 ($(macro_bytes $macro_button))" \
  test "$(macro_bytes $macro_button)" = "13 0 2"
cp "$E2E_APP/config.bin" "$work/ok.bin"
(cd "$work" && wine "$k8ctl_exe" apply --simulate --sensor-type 0 --trace ok-wire.log ok.bin \
  </dev/null >>"$E2E_DIR/run.log" 2>&1)
check "OK sends what config.bin holds" \
  diff <(sent <"$work/ok-wire.log" | tail -n +3) <(tail -n +$((before + 1)) "$E2E_WIRE" | sent)
# Mode A's key matrix is command 0x12 number 1; button 6 is its slot 5 (payload bytes 20-23,
# after the write's report ID).
slot=$(tail -n +$((before + 1)) "$E2E_WIRE" | sent |
  awk '/^set_feature 00 12 01 /{getline; print $23, $24, $25, $26; exit}')
check "the key matrix sent plays macro 1 in repeat mode 3 on button 6 ($slot)" \
  test "$slot" = "09 02 01 00"

# Delete takes the section out of record.ini at once.
win=$(open_window) || e2e_fail "window after OK"
click_on "$win" advanced Delete
check "Delete removes the macro from record.ini" wait_for "no macro" test -z "$(macros_listed)"
click_on "$win" pages Close
for _ in $(seq 50); do running || break; sleep 0.1; done

# The other skin, with the recorded macro loaded.
e2e_prepare "$sim" 1 0
set_skin Frost
cp "$work/record.ini" "$E2E_APP/record.ini"
e2e_launch
wait_for "tray icon" tray_icon_drawn || e2e_fail "Frost: no icon"
win=$(open_window) || { e2e_fail "Frost: the window did not open"; exit 1; }
click_on "$win" pages "Advanced tab"
move_to "$win" 400 40
sleep 0.6
shot "$win" "$shots/Frost-macro.png"
check "Frost: the page shows the settings OK gave the system" lights "$shots/Frost-macro.png" 1 3

echo "screenshots: $shots"
exit "$E2E_FAILED"
