#!/usr/bin/env bash
# The Basic page under Wine, as a user drives it: clicks at client coordinates on the function
# boxes and their lists, the DPI list, Mode B, report rate, DPI stages and levels and the light
# lists; then OK, and what config.bin, str.ini and the wire log hold; Cancel drops a change;
# screenshots in both skins with lists open.
#   tests/e2e/basic_test.sh SIM_FOLDER WORK_FOLDER K8CTL_EXE
source "$(dirname "$0")/harness.sh"
e2e_begin "$@" || exit 1
k8ctl_exe=$(abs_path "$3")

# Wine draws list items 14 pixels high inside a 1-pixel border.
list_top() { local l t r b; read -r l t r b <<<"$(rect_of basic "function list $1")"; echo "$t"; }
item_y() { echo $(($1 + 1 + 14 * $2 + 7)); }             # item i of a list whose top is $1
list_top_of() { local l t r b; read -r l t r b <<<"$(rect_of basic "$1")"; echo "$t"; }
pick_function() {                                         # pick_function WIN BOX ITEM
  local top
  top=$(list_top "$2")
  click_on "$1" basic "function box $2"
  sleep 0.3
  move_to "$1" 300 "$(item_y "$top" "$3")"
  sleep 0.3
  click_at "$1" 300 "$(item_y "$top" "$3")"
  sleep 0.3
}
caption() {  # caption KEY: a value of the English caption section of str.ini
  iconv -f UTF-16 -t UTF-8 "$E2E_APP/str.ini" | tr -d '\r' |
    awk -v k="$1" -F= '/^\[/{s=$0} s=="[Setting-EN]" && $1==k {print substr($0, length(k) + 2)}'
}
byte_is() { [[ $(record_byte "$1") == "$2" ]]; }

e2e_prepare "$sim" 1 0
e2e_launch
wait_for "tray icon" tray_icon_drawn || e2e_fail "no icon"
win=$(open_window) || { e2e_fail "the window did not open"; exit 1; }
check "before any Apply only the sensor settings went to the mouse" \
  test "$(sent <"$E2E_WIRE" | cut -d' ' -f1-3 | tr '\n' ' ')" = "set_feature 00 83 set_feature 00 03 "

# The only left click cannot be given away.
click_on "$win" basic "function box 1"
check "the left-key message" wait_for "left-key message" \
  journal_has $'messagebox\tWarning\tLeft key must be selected!'
send_keys "$(popup_window)" Return
wait_for "message box closed" test -z "$(popup_window)"

pick_function "$win" 3 15                  # box 3: Key Off
click_on "$win" basic "function box 4"  # then "DPI Switch", then "DPI -" beside it
top=$(list_top 4)
move_to "$win" 300 "$(item_y "$top" 6)"
sleep 0.5
move_to "$win" 440 "$(item_y "$top" 6)"
sleep 0.3
move_to "$win" 490 $((top + 84 + 1 + 14 + 7))
sleep 0.5
shot "$win" "$shots/Default-dpi-list.png"
click_at "$win" 490 $((top + 84 + 1 + 14 + 7))
sleep 0.3
click_on "$win" basic "Mode B"
pick_function "$win" 2 14                  # box 2: Shift, in both modes
click_on "$win" basic "report rate 250"
click_on "$win" basic "DPI stage 2 enable" # off
click_on "$win" basic "DPI stage 3 level 5"
click_on "$win" basic "light mode box"
neon=$(item_y "$(list_top_of "light mode list")" 2)
move_to "$win" 800 "$neon"
sleep 0.3
click_at "$win" 800 "$neon"
click_on "$win" basic "light parameter box"
two_s=$(item_y "$(list_top_of "light parameter list 3")" 3)
move_to "$win" 800 "$two_s"
sleep 0.3
click_at "$win" 800 "$two_s"
click_on "$win" basic "light effect box"  # its list open for the screenshot
fixed_on=$(item_y "$(list_top_of "light effect list")" 1)
move_to "$win" 800 "$fixed_on"
sleep 0.5
shot "$win" "$shots/Default-basic-changed.png"
click_at "$win" 800 "$fixed_on"          # RGB Fixed On
move_to "$win" 400 40
sleep 0.3
# Hidden, the window lets its drawing go; shown again, it looks as it did, changes and all.
shot "$win" "$shots/before-hide.png"
click_on "$win" pages Minimise
wait_for "minimised" no_main_window
win=$(open_window) || exit 1
move_to "$win" 400 40
sleep 0.5
shot "$win" "$shots/after-show.png"
check "shown again, the page looks as it did before it was hidden" \
  test "$(compare -metric AE "$shots/before-hide.png" "$shots/after-show.png" null: 2>&1)" = 0

before=$(wire_lines)
click_on "$win" pages OK
check "OK saves config.bin" wait_for "config.bin saved" config_saved
check "OK hides the window" wait_for "hidden" no_main_window
for pair in 2:15 3:6 1964:2 1:14 193:14 1960:1 1925:4 1932:0 1929:4 1947:3 1950:3 1953:3 \
  0:0 192:0 195:3; do
  check "config.bin byte ${pair%%:*} is ${pair#*:}" byte_is "${pair%%:*}" "${pair#*:}"
done
for pair in Item2=Shift Item23=Shift Item3='Key Off' Item4='DPI -' Item13='Left Click'; do
  check "str.ini $pair" test "$(caption "${pair%%=*}")" = "${pair#*=}"
done
cp "$E2E_APP/config.bin" "$work/ok.bin"
(cd "$work" && wine "$k8ctl_exe" apply --simulate --sensor-type 0 --trace ok-wire.log ok.bin \
  </dev/null >>"$E2E_DIR/run.log" 2>&1)
check "OK sends what config.bin holds" \
  diff <(sent <"$work/ok-wire.log" | tail -n +3) <(tail -n +$((before + 1)) "$E2E_WIRE" | sent)

# Cancel drops a change and its caption, also when the Advanced page was shown at the time.
win=$(open_window) || e2e_fail "window after OK"
pick_function "$win" 5 15                  # Mode B is shown: box 5 Key Off
click_on "$win" pages "Advanced tab"
click_on "$win" pages Cancel
check "Cancel hides the window" wait_for "hidden" no_main_window
win=$(open_window) || e2e_fail "window after Cancel"
{ printf '\0'; tail -c +2 "$work/ok.bin"; } >"$E2E_APP/config.bin"
click_on "$win" pages Apply
check "Apply after Cancel saves the committed copy" wait_for "config.bin saved again" \
  cmp -s "$work/ok.bin" "$E2E_APP/config.bin"
check "Cancel dropped the caption" test "$(caption Item53)" = Backward
click_on "$win" pages "Basic tab"
move_to "$win" 400 40
sleep 0.5
shot "$win" "$shots/Default-after-cancel.png"
read -r l t r b <<<"$(rect_of basic "function box 5")"  # its caption right of the number strip
check "after Cancel box 5 shows its saved caption again" test \
  "$("$CONVERT" "$shots/Default-after-cancel.png" -crop 150x$((b - t))+$((l + 20))+$t -format %k info:)" -gt 2

# The other skin, with the settings made above and a list open.
cp "$E2E_APP/config.bin" "$E2E_APP/str.ini" "$work/"
click_on "$win" pages Close
for _ in $(seq 100); do running || break; sleep 0.1; done
e2e_prepare "$sim" 1 0
cp "$work/config.bin" "$work/str.ini" "$E2E_APP/"
set_skin Frost
e2e_launch
wait_for "tray icon" tray_icon_drawn || e2e_fail "Frost: no icon"
win=$(open_window) || { e2e_fail "Frost: the window did not open"; exit 1; }
click_on "$win" basic "function box 6"
top=$(list_top 6)
move_to "$win" 300 "$(item_y "$top" 6)"
sleep 0.6
shot "$win" "$shots/Frost-basic-lists.png"
check "Frost: the function list and the DPI list are open" \
  test "$("$CONVERT" "$shots/Frost-basic-lists.png" -crop 60x80+462+$((top + 84)) -format %k info:)" -gt 2

echo "screenshots: $shots"
exit "$E2E_FAILED"
