#!/usr/bin/env bash
# The mouse pulled out in the middle of an Apply under Wine: the notice that the settings did not
# all reach the mouse, the settings saved all the same, and on the next plug the whole Apply
# sequence of the saved config.bin sent again by itself.
#   tests/e2e/fault_test.sh SIM_FOLDER WORK_FOLDER K8CTL_EXE
source "$(dirname "$0")/harness.sh"
e2e_begin "$@" || exit 1
k8ctl_exe=$(abs_path "$3")

not_delivered=$'notice\tWarning\tNot all settings reached the mouse. They are saved and will be sent again when the mouse is connected.'
missing=$'notice\tWarning\tThe system did not detect the gaming mouse!'

e2e_program "$sim" 1 0
wait_for "tray icon" tray_icon_drawn || e2e_fail "no icon"
win=$(open_window) || { e2e_fail "the window did not open"; exit 1; }

check "k8sim refuses unplug-after without a count" test "$(k8sim unplug-after; echo $?)" = 2
check "k8sim arms the mouse to go after 40 more transfers" k8sim unplug-after 40
before=$(wire_lines)
click_on "$win" pages Apply
check "Apply saves config.bin although the mouse went" wait_for "config.bin saved" config_saved
check "the notice says the settings did not all reach the mouse" \
  wait_for "not-delivered notice" journal_has "$not_delivered"
check "the pull is seen as an unplug" wait_for "mouse-missing notice" journal_has "$missing"
check "the unplug hides the window" wait_for "hidden" no_main_window
check "Apply ran to its end: its last command went out (to no one)" \
  bash -c "tail -n +$((before + 1)) '$E2E_WIRE' | grep -c '^set_feature 00 12 ' | grep -qx 4"
check "the program keeps running" running

cp "$E2E_APP/config.bin" "$work/saved.bin"
(cd "$work" && wine "$k8ctl_exe" apply --simulate --sensor-type 0 --trace expected-wire.log \
  saved.bin </dev/null >>"$E2E_DIR/run.log" 2>&1)
expected_sent=$(sent <"$work/expected-wire.log" | wc -l)
before=$(wire_lines)
check "k8sim plugs the mouse back" k8sim plug
# Three arrival broadcasts: the first exchanges the sensor settings and sends the owed Apply,
# the other two exchange the sensor settings only.
sent_after_plug() { tail -n +$((before + 1)) "$E2E_WIRE" | sent | wc -l; }
check "the plug sends the owed settings by itself" \
  wait_for "resend" test "$(sent_after_plug)" -ge $((expected_sent + 4))
check "what goes out is a fresh Apply of the saved config.bin" \
  diff <(sent <"$work/expected-wire.log") \
  <(tail -n +$((before + 1)) "$E2E_WIRE" | sent | head -n "$expected_sent")
check "the resend reached the mouse: no second not-delivered notice" \
  test "$(journal_count "$not_delivered")" -eq 1

# Nothing owed any more: the next plug only exchanges the sensor settings.
k8sim unplug || e2e_fail "k8sim unplug"
before=$(wire_lines)
k8sim plug || e2e_fail "k8sim plug"
sleep 1
check "a later plug sends no settings" test "$(sent_after_plug)" -eq 6

exit "$E2E_FAILED"
