#!/usr/bin/env bash
# The main window under Wine: both pages in both skins, hover of the push buttons, minimise,
# dragging, Apply and OK against the simulated mouse, Cancel (which drops a change) and Close.
#   tests/e2e/skin_test.sh SIM_FOLDER WORK_FOLDER K8CTL_EXE
source "$(dirname "$0")/harness.sh"
e2e_begin "$@" || exit 1
k8ctl_exe=$(abs_path "$3")

report_rate=1925  # its offset in the record; codes 1, 2, 4, 8 = 1000, 500, 250, 125 Hz

for skin in Default Frost; do
  open_with_skin "$skin" "$skin" || continue
  move_to "$win" 400 40
  sleep 0.5
  shot "$win" "$shots/$skin-basic.png"
  check "$skin: the Basic page fills the window" \
    test "$("$CONVERT" "$shots/$skin-basic.png" -format %k info:)" -gt 500

  # Hover: OK, then Cancel. Only those two buttons change.
  read -r ok_l ok_t ok_r ok_b <<<"$(rect_of pages OK)"
  read -r cancel_l cancel_t cancel_r cancel_b <<<"$(rect_of pages Cancel)"
  move_on "$win" pages OK
  sleep 0.6
  shot "$win" "$shots/$skin-hover-ok.png"
  box=$(diff_box "$shots/$skin-basic.png" "$shots/$skin-hover-ok.png")
  check "$skin: hovering OK changes OK ($box)" inside "$box" $ok_l $ok_t $ok_r $ok_b
  check "$skin: hovering OK changes something" test "$box" != none
  move_on "$win" pages Cancel
  sleep 0.6
  shot "$win" "$shots/$skin-hover-cancel.png"
  box=$(diff_box "$shots/$skin-hover-ok.png" "$shots/$skin-hover-cancel.png")
  check "$skin: OK to Cancel changes only OK and Cancel ($box)" \
    inside "$box" $ok_l $ok_t $cancel_r $cancel_b
  check "$skin: Cancel shows its over image" changed "$shots/$skin-basic.png" \
    "$shots/$skin-hover-cancel.png" $(centre_of pages Cancel)
  check "$skin: OK is normal again" same "$shots/$skin-basic.png" "$shots/$skin-hover-cancel.png" \
    $(centre_of pages OK)
  check "$skin: Apply never changed" same "$shots/$skin-basic.png" "$shots/$skin-hover-cancel.png" \
    $(centre_of pages Apply)
  # Out of the window straight from Cancel (it lies on the bottom edge): Cancel goes normal.
  move_to "$win" "$(((cancel_l + cancel_r) / 2))" 700
  sleep 0.6
  shot "$win" "$shots/$skin-left.png"
  check "$skin: leaving the window from Cancel puts it back" same "$shots/$skin-basic.png" \
    "$shots/$skin-left.png" $(centre_of pages Cancel)
  move_to "$win" 400 40
  sleep 0.4

  # The Advanced page, and the Basic tab of the shown page changes nothing.
  click_on "$win" pages "Advanced tab"
  move_to "$win" 400 40
  sleep 0.6
  shot "$win" "$shots/$skin-advanced.png"
  check "$skin: the Advanced tab shows another page" test \
    "$(diff_box "$shots/$skin-basic.png" "$shots/$skin-advanced.png")" != none
  click_on "$win" pages "Advanced tab"
  move_to "$win" 400 40
  sleep 0.6
  shot "$win" "$shots/$skin-advanced-again.png"
  check "$skin: a click on the shown page's tab redraws nothing" test \
    "$(diff_box "$shots/$skin-advanced.png" "$shots/$skin-advanced-again.png")" = none

  if [[ $skin == Default ]]; then
    # Drag on empty background moves the window.
    read -r x0 y0 < <(origin "$win")
    move_to "$win" 400 40
    sleep 0.3
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove_relative -- 40 30
    sleep 0.2
    xdotool mousemove_relative -- 20 10
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
    read -r x1 y1 < <(origin "$win")
    check "a drag on the background moves the window ($x0,$y0 -> $x1,$y1)" \
      test $((x1 - x0)) -eq 60 -a $((y1 - y0)) -eq 40

    # Skins opens its dialog over the window; after its Cancel the window does not follow
    # the pointer.
    click_on "$win" pages Skins
    sleep 1
    read -r x0 y0 < <(origin "$win")
    read -r cx cy <<<"$(centre_of dialogs Cancel)"  # the dialog opens at the window's origin
    xdotool mousemove $((x0 + cx)) $((y0 + cy))
    sleep 0.3
    xdotool click 1
    sleep 0.5
    xdotool mousemove_relative -- 50 50
    sleep 0.5
    read -r x1 y1 < <(origin "$win")
    check "after the skins dialog the window stays put ($x0,$y0 -> $x1,$y1)" \
      test "$x0,$y0" = "$x1,$y1"

    # Apply writes the whole Apply sequence and config.bin with first byte 1; the window stays.
    # A change to the working copy (k8sim stands in for the page control) goes with it.
    check "config.bin starts with 0" test "$(first_byte)" = 0
    check "k8sim refuses an offset past the record" test "$(k8sim set 1985 0; echo $?)" = 2
    check "k8sim sets the report rate of the working copy" k8sim set $report_rate 8
    click_on "$win" pages Apply
    check "Apply saves config.bin with first byte 1" wait_for "config.bin saved" config_saved
    check "Apply saves the changed report rate" test "$(record_byte $report_rate)" = 8
    check "Apply sends the changed report rate" grep -q '^set_feature 00 01 08 ' "$E2E_WIRE"
    cp "$E2E_APP/config.bin" "$work/applied.bin"
    (cd "$work" && wine "$k8ctl_exe" apply --simulate --sensor-type 0 --trace expected-wire.log \
      applied.bin </dev/null >>"$E2E_DIR/run.log" 2>&1)
    check "Apply: the wire log is the full Apply sequence" \
      diff <(tr -d '\r' <"$work/expected-wire.log") <(tr -d '\r' <"$E2E_WIRE")
    # An expectation that no code computes: the hand-checked wire log of the shipped config.bin,
    # with the report rate set above (code 8, checksum 0xff - 0x01 - 0x08).
    check "Apply: the wire log is the hand-checked one of the shipped config.bin at 125 Hz" \
      diff <(sed 's/^set_feature 00 01 01 00 00 00 00 00 fd$/set_feature 00 01 08 00 00 00 00 00 f6/' \
        "$(dirname "$0")/expected/shipped-config-wire.log") <(tr -d '\r' <"$E2E_WIRE")
    check "Apply keeps the window" has_main_window

    # OK: the sequence again, then the window hides.
    before=$(wire_lines)
    click_on "$win" pages OK
    check "OK hides the window" wait_for "hidden" no_main_window
    check "OK sends the Apply sequence again" \
      test $(($(wire_lines) - before)) -eq $(($(wc -l <"$work/expected-wire.log") - 3))

    # Cancel hides, sends nothing and drops the change made since OK.
    win=$(open_window) || e2e_fail "window after OK"
    before=$(wire_lines)
    cp "$E2E_APP/config.bin" "$work/before-cancel.bin"
    k8sim set $report_rate 2 || e2e_fail "k8sim set before Cancel"
    click_on "$win" pages Cancel
    check "Cancel hides the window" wait_for "hidden" no_main_window
    check "Cancel sends nothing" test "$(wire_lines)" -eq "$before"
    check "Cancel leaves config.bin" cmp -s "$work/before-cancel.bin" "$E2E_APP/config.bin"
    win=$(open_window) || e2e_fail "window after Cancel"
    move_to "$win" 400 40
    sleep 0.6
    shot "$win" "$shots/$skin-after-cancel.png"
    # The window opens with the keyboard focus in the macro name edit: its caret may blink.
    box=$(diff_box "$shots/$skin-advanced.png" "$shots/$skin-after-cancel.png")
    check "after Cancel the page is drawn afresh ($box)" \
      eval '[[ $box == none ]] || inside "$box" $(rect_of advanced "macro name edit")'
    # Apply now sends and saves the copy committed by OK (that of applied.bin). config.bin's
    # first byte goes back to 0 first, so that only the new save can match. The mouse answers
    # reads with what the earlier Applies wrote, so only what goes out is compared.
    before=$(wire_lines)
    { printf '\0'; tail -c +2 "$work/before-cancel.bin"; } >"$E2E_APP/config.bin"
    click_on "$win" pages Apply
    check "Apply after Cancel saves the committed copy" wait_for "config.bin saved again" \
      cmp -s "$work/before-cancel.bin" "$E2E_APP/config.bin"
    check "Apply after Cancel sends the committed copy" \
      diff <(tail -n +4 "$work/expected-wire.log" | sent) \
      <(tail -n +$((before + 1)) "$E2E_WIRE" | sent)

    # Minimise hides; the program stays.
    click_on "$win" pages Minimise
    check "Minimise hides the window" wait_for "hidden" no_main_window
    check "Minimise keeps the program" running
    win=$(open_window) || e2e_fail "window after Minimise"
  fi

  # Close ends the process with 0 and takes the icon away.
  click_on "$win" pages Close
  code=124
  for _ in $(seq 100); do running || break; sleep 0.1; done
  if ! running; then wait "$E2E_PROGRAM"; code=$?; fi
  check "$skin: Close ends the process with 0" test "$code" -eq 0
  check "$skin: the icon is gone" wait_for "no icon" no_tray_icon
done

echo "screenshots: $shots"
exit "$E2E_FAILED"
