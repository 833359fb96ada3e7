#!/usr/bin/env bash
# The shipped program and k8ctl against the virtual mouse in Wine's HID stack: discovery through
# SetupDi and the HID class driver, the system's own broadcasts, the report lengths it hands out,
# notices, Apply and its resend, collections arriving one by one, and transfers that never end.
#   tests/e2e/hid_test.sh RELEASE_FOLDER VMOUSE_FOLDER WORK_FOLDER
E2E_EXE=QTV-K8GamingMouse.exe
source "$(dirname "$0")/harness.sh"
release=$(cd "$1" && pwd) || exit 1
vmouse_folder=$(cd "$2" && pwd) || exit 1
e2e_session "$3" || exit 1
shots=$work/screenshots
rm -rf "$shots"
mkdir -p "$shots"
golden=$(cd "$(dirname "$0")" && pwd)/expected/shipped-config-wire.log
# How long the program waits for one transfer before it gives up on it; the window must answer
# within about a second of that. The bound also holds the test's own steps after the stall
# begins (a plug, a click after the pointer's pause), measured at 0.3-0.7 s.
transfer_limit_ms=${E2E_TRANSFER_LIMIT_MS:-500}
answer_bound_ms=$((transfer_limit_ms + 2000))

launch() {
  E2E_APP=$E2E_DIR/app
  rm -rf "$E2E_APP"
  cp -r "$release" "$E2E_APP"
  e2e_launch
}
stop_program() {
  kill "$E2E_PROGRAM" 2>/dev/null
  for _ in $(seq 100); do running || break; sleep 0.1; done
}
k8ctl_apply() {  # k8ctl apply of the shipped config.bin; its exit status
  (cd "$release" && wine k8ctl.exe apply config.bin </dev/null >>"$E2E_DIR/k8ctl.log" 2>&1)
}
# Opens the window with a click on the icon; its id in $win.
show() { win=$(open_window) || { e2e_fail "the window did not open ($1)"; return 1; }; }

# What the wire log holds since line N (the mouse cannot see pauses, so the expectations drop them).
exchange=$'set_feature 00 83 00 00 00 00 00 00 7c\nget_feature 00 83 00 04 11 03 00 00 64\nset_feature 00 03 00 04 11 43 00 00 a4'
starts_with_exchange() { [[ $(wire_since "$1" | head -n 3) == "$exchange" ]]; }
exchanges_are() { [[ $(wire_since "$1" | grep -c '^set_feature 00 83 ') == "$2" ]]; }
apply_ended() { [[ $(wire_since "$1" | grep -c '^set_feature 00 12 ') == 4 ]]; }  # its last command
# golden_since N [FIRST]: the lines since N are the hand-checked log of the shipped config.bin
# from its line FIRST on (4: the Apply alone, without the sensor exchange before it).
golden_since() { diff <(no_sleep <"$golden" | tail -n +"${2:-1}") <(wire_since "$1") >/dev/null; }
check_golden() {  # check_golden WHAT N [FIRST]: waits for it; on failure shows where it differs
  if wait_for "$1" golden_since "$2" "${3:-1}"; then
    e2e_pass "$1"
  else
    e2e_fail "$1"
    diff <(no_sleep <"$golden" | tail -n +"${3:-1}") <(wire_since "$2") | head -n 6 >&2
  fi
}
# resent_since N: since line N the mouse got the whole Apply of the shipped config.bin once,
# whatever sensor exchanges the arrival events of the collections put before, after or between.
drop_exchanges() { grep -v '^set_feature 00 83 \|^get_feature 00 83 \|^set_feature 00 03 '; }
resent_since() {
  diff <(no_sleep <"$golden" | drop_exchanges) <(wire_since "$1" | drop_exchanges) >/dev/null
}
# answers_within MS WHAT CMD...: CMD (a condition the user's click brings about) holds within
# MS milliseconds of the stall's start (now_us into stall_start); the time goes into the output.
now_us() { echo "${EPOCHREALTIME/./}"; }
answers_within() {
  local bound=$1 what=$2 t0=$stall_start ms
  shift 2
  E2E_TIMEOUT=$((bound / 1000 + 8)) wait_for "$what" "$@"
  ms=$(((${EPOCHREALTIME/./} - t0) / 1000))
  if "$@" >/dev/null 2>&1 && ((ms <= bound)); then
    e2e_pass "$what (${ms} ms)"
  else
    e2e_fail "$what: not within $bound ms (${ms} ms)"
  fi
}
plugged_again() {  # the feature collection out and in again, nothing owed
  vmouse unplug 2
  vmouse reset
  vmouse plug 2 && wait_for "drivers" vmouse_plugged 0123
}

vmouse_start "$vmouse_folder" || { e2e_fail "the virtual mouse's host did not start"; exit 1; }

# -- no mouse: k8ctl ends with 3, the program warns, and its icon cannot open the window -------
k8ctl_apply
check "k8ctl apply without the mouse exits 3" test $? -eq 3
launch
check "tray icon" wait_for "tray icon" tray_icon_drawn
check "no mouse: a notice" wait_for "notice" balloon_shot "$shots/missing.png"
tray_click left
sleep 1
check "no mouse: the icon does not open the window" no_main_window

# -- the collections arrive one by one, input first: one arrival event each ---------------------
# Wine lists HID interfaces by their names, so the interface numbers decide the order in which
# discovery meets them: here the input collection (MI_00) comes before the feature collection
# (MI_01); later plugs take the default numbers, which put the feature collection first.
before=$(wire_lines)
check "plug the collections in the order input, feature, mouse, keyboard" \
  vmouse plug 3201 --delay 300 --interfaces 3210
check "every collection's driver reached the host" wait_for "drivers" vmouse_plugged 0123
# The input collection alone fails discovery; each later arrival exchanges the sensor settings.
check "one sensor exchange per arrival once the feature collection is there" \
  wait_for "exchanges" exchanges_are "$before" 3
vmouse report 7 2
check "input report 6 through the HID stack: a notice" wait_for "notice" balloon_new "$shots/missing.png"
cp "$shots/missing-new.png" "$shots/dpi.png"
show "after the plug" && check "the window opens once the mouse is there" has_main_window
press_until Escape no_main_window || e2e_fail "Escape did not hide the window"
stop_program

# -- start with the mouse there: no warning; OK sends the shipped config.bin -------------------
vmouse reset
before=$(wire_lines)
launch
check "mouse present: tray icon" wait_for "tray icon" tray_icon_drawn
check "start-up exchanges the sensor settings" wait_for "exchange" starts_with_exchange "$before"
sleep 3  # a notice shows about 2 s after it is asked for
check "mouse present: no notice at start" no_balloon
show "mouse present" || exit 1
click_on "$win" pages OK
check "OK hides the window" wait_for "hidden" no_main_window
check_golden "OK: the wire log is the hand-checked one of the shipped config.bin" "$before"
sleep 3
check "OK reached the mouse: no notice" no_balloon
vmouse report 5 8
check "report-rate notice" wait_for "notice" balloon_new "$shots/dpi.png"

# -- unplug: the warning, the window hides -----------------------------------------------------
show "before the unplug"
check "unplug" vmouse unplug
check "unplug hides the window" wait_for "hidden" no_main_window
check "unplug: the mouse-missing notice" wait_for "notice" balloon_is "$shots/missing.png"

# -- an Apply that fails is sent again on the next arrival --------------------------------------
vmouse plug
wait_for "drivers" vmouse_plugged 0123
vmouse reset
show "after the plug" || exit 1
balloon_shot "$shots/before-apply.png" || rm -f "$shots/before-apply.png"
vmouse fail-after 20
before=$(wire_lines)
click_on "$win" pages Apply
check "a failed Apply ran to its end" wait_for "end of Apply" apply_ended "$before"
check "a failed Apply: a notice" wait_for "notice" balloon_new "$shots/before-apply.png"
cp "$shots/before-apply-new.png" "$shots/not-delivered.png"
vmouse unplug 2
vmouse reset
before=$(wire_lines)
vmouse plug 2
# The arrival exchanges the sensor settings, then sends the owed Apply: the golden log again.
check_golden "the next arrival sends the settings again" "$before"

# -- k8ctl apply reaches the mouse through the HID stack ---------------------------------------
stop_program
vmouse reset
before=$(wire_lines)
k8ctl_apply
check "k8ctl apply exits 0" test $? -eq 0
check_golden "k8ctl apply: the wire log is the hand-checked one" "$before"
vmouse fail-after 30
k8ctl_apply
check "k8ctl apply with a failed transfer exits 4" test $? -eq 4

# -- a reply lost at a block read: its data report must not answer a later read ---------------
# Apply's 9th transfer is the reply to the block read of colour block 0. It fails, but the mouse
# sends the block's data report all the same. Left queued, it would answer the next block read,
# and every block read after it would take its predecessor's report: the next Apply would then
# write colour block 0 back with another block's bytes.
vmouse reset
launch
wait_for "tray icon" tray_icon_drawn
show "for the lost reply" || exit 1
vmouse fail-after 8
before=$(wire_lines)
click_on "$win" pages Apply
wait_for "end of Apply" apply_ended "$before"
check "an Apply that did not all reach the mouse saves config.bin all the same" \
  wait_for "config.bin" config_saved
vmouse reset
before=$(wire_lines)
click_on "$win" pages Apply
check_golden "a lost reply: the next Apply writes back what the mouse holds" "$before" 4

# -- transfers that never end: the window answers again; Apply fails and is sent again ---------
# At the arrival exchange: the first command after the plug never completes.
press_until Escape no_main_window || e2e_fail "Escape did not hide the window"
vmouse unplug 2
vmouse stall-after 0
stall_start=$(now_us)
vmouse plug 2
tray_click left
answers_within $answer_bound_ms "a stalled arrival exchange: the icon opens the window" main_window
press_until Escape no_main_window
plugged_again

# At the start-up exchange (the Basic page's first visit): its reply never comes.
stop_program
vmouse stall-after 1
stall_start=$(now_us)
launch
wait_for "tray icon" tray_icon_drawn
tray_click left
answers_within $answer_bound_ms "a stalled start-up exchange: the icon opens the window" main_window
plugged_again

# In Apply: its 10th transfer never completes.
win=$(main_window) || show "before the stalled Apply"
vmouse stall-after 10
stall_start=$(now_us)
click_on "$win" pages Apply
sleep 0.3
send_keys "$win" Escape
answers_within $answer_bound_ms "a stalled Apply: Escape hides the window" no_main_window
check "a stalled Apply ends with the failure notice" wait_for "notice" \
  balloon_is "$shots/not-delivered.png"
vmouse unplug 2
vmouse reset
before=$(wire_lines)
vmouse plug 2
check_golden "after a stalled Apply the next arrival sends the settings again" "$before"

# -- the mouse pulled out in the middle of Apply: both notices, and the Apply sent again ---------
wait_for "drivers" vmouse_plugged 0123
show "before the pull" || exit 1
vmouse unplug-after 40
before=$(wire_lines)
click_on "$win" pages Apply
check "a pull during Apply hides the window" wait_for "hidden" no_main_window
# Apply's failure notice and the unplug's warning come in either order; then the icon warns.
check "a pull during Apply: a notice" wait_for "notice" balloon_window
sleep 3
tray_click left
check "after the pull a click on the icon repeats the mouse-missing warning" wait_for "warning" \
  balloon_is "$shots/missing.png"
# Transfers already on their way may still arrive while the system removes the collections.
check "the pull cut Apply off before its end" \
  test "$(wire_since "$before" | grep -c '^set_feature 00 12 ')" -lt 4
check "the program runs on" running
vmouse reset
before=$(wire_lines)
vmouse plug 3201
check "after the pull the arrivals send the settings again" wait_for "resend" resent_since "$before"

# Nothing owed any more: the next arrival only exchanges the sensor settings.
vmouse unplug 2
before=$(wire_lines)
vmouse plug 2
wait_for "exchange" exchanges_are "$before" 1
sleep 1
# The mouse keeps what it was sent: option 2 comes back with bit 6 set.
check "a later arrival sends no settings" test "$(wire_since "$before" | cut -c1-14)" == \
  $'set_feature 00\nget_feature 00\nset_feature 00'

echo "e2e hid: $((SECONDS - started)) s"
((E2E_FAILED == 0))
