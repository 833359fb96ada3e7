#!/usr/bin/env bash
# The sub-dialogs under Wine, opened from the Basic page's function lists with real clicks and
# keys: what each stores in config.bin after OK, Cancel, Enter and Esc in the key dialogs, the
# skins dialog, and dialogs in Turkish and Simplified Chinese.
#   tests/e2e/dialogs_test.sh SIM_FOLDER WORK_FOLDER
source "$(dirname "$0")/harness.sh"
e2e_begin "$@" || exit 1

dialog_keys() { send_keys "$dlg" "$@" >/dev/null; sleep 0.3; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
dialog_cancel() { click_on "$win" dialogs Cancel; wait_for "dialog closed" no_dialog; }
box_shot() {  # box_shot SHOT BUTTON OUT: button's (0-7) function box
  local l t r b
  read -r l t r b <<<"$(rect_of basic "function box $(($2 + 1))")"
  "$CONVERT" "$1" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$3"
}
click_item() {  # click_item DIALOG LIST N: item N (from 0) of an open list, 14 pixels an item
  local l t r b
  read -r l t r b <<<"$(rect_of "$1" "$2")"
  click_at "$win" $(((l + r) / 2)) $((t + 14 * $3 + 7))
}
same_image() { [[ $("$CONVERT" "$1" "$2" -compose difference -composite -format '%[fx:maxima]' info:) == 0 ]]; }
expect_byte() {  # expect_byte WHAT OFFSET VALUE
  local got
  got=$(record_byte "$2")
  check "$1 (offset $2: $got, want $3)" test "$got" = "$3"
}

# Three macros, so the third can be chosen; a file in the skins folder that is no skin.
write_record_ini() {
  printf '[One]\r\nItemCount=0\r\n[Two]\r\nItemCount=0\r\n[Three]\r\nItemCount=0\r\n' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$E2E_APP/record.ini"
}

start_program() {  # start_program LANGUAGE
  e2e_prepare "$sim" 1 0
  write_record_ini
  echo "not a skin" >"$E2E_APP/Skins/readme.txt"
  set_str_key Lan "$1"
  e2e_launch
  wait_for "tray icon" tray_icon_drawn || e2e_fail "$1: no icon"
  win=$(open_window) || { e2e_fail "$1: the window did not open"; return 1; }
}

# ---- Every dialog in English, its result after OK --------------------------------------------
if start_program EN; then
  shot "$win" "$shots/basic-before.png"

  # Cancel: the Windows dialog with an item chosen, then Cancel: button 2 keeps its function.
  if open_dialog 1 8 Windows; then
    click_on "$win" windows-key "drop-down field"
    click_item windows-key "drop list" 3
    dialog_cancel || e2e_fail "Cancel did not close the Windows dialog"
    sleep 0.3
    shot "$win" "$shots/after-cancel.png"
    box_shot "$shots/basic-before.png" 1 "$work/box-before.png"
    box_shot "$shots/after-cancel.png" 1 "$work/box-after.png"
    check "Cancel leaves the button's box as it was" same_image "$work/box-before.png" "$work/box-after.png"
  fi

  # Single key: Enter and Esc do not end it; A is captured.
  if open_dialog 1 11 "Single key"; then
    dialog_keys Return Escape
    check "Enter and Esc leave the single-key dialog open" dialog_open
    shot "$dlg" "$shots/single-key-esc.png"
    dialog_keys a
    shot "$dlg" "$shots/single-key-a.png"
    check "the single-key display changed with the key" changed "$shots/single-key-esc.png" \
      "$shots/single-key-a.png" $(centre_of single-key "key display")
    dialog_ok || e2e_fail "OK did not close the single-key dialog"
  fi
  if open_dialog 2 11 "Single key F5"; then
    dialog_keys F5
    dialog_ok || e2e_fail "OK did not close the single-key dialog (F5)"
  fi

  # Combo: Left Ctrl from the modifier list and key 2 only.
  if open_dialog 3 12 Combo; then
    click_on "$win" combo-key "modifier field"
    click_item combo-key "modifier list" 0
    click_on "$win" combo-key "key 2 field"
    dialog_keys Return Escape 2
    check "Enter and Esc leave the combo dialog open" dialog_open
    shot "$dlg" "$shots/combo-key.png"
    dialog_ok || e2e_fail "OK did not close the combo dialog"
  fi

  # Fire key: the list scrolled by the wheel (three lines a notch), speed 4 typed and OK
  # pressed while its field still has the focus.
  if open_dialog 4 10 "Fire key"; then
    click_on "$win" fire-key "key field"
    xdotool click 5
    sleep 0.3
    shot "$dlg" "$shots/fire-key-list.png"
    click_item fire-key "key list" 0
    click_on "$win" fire-key "speed field"
    dialog_keys End BackSpace BackSpace BackSpace 4
    shot "$dlg" "$shots/fire-key.png"
    dialog_keys Escape Return
    check "Esc and Enter in the fire-key dialog leave it and the window open" \
      eval 'dialog_open && viewable "$win"'
    dialog_ok || e2e_fail "OK did not close the fire-key dialog"
  fi

  # Media key: Vol-, the seventh item.
  if open_dialog 5 9 Media; then
    click_on "$win" media-key "drop-down field"
    click_item media-key "drop list" 6
    dialog_ok || e2e_fail "OK did not close the media dialog"
  fi

  # Windows function: Browser-My Favorites, the eleventh item.
  if open_dialog 6 8 Windows; then
    click_on "$win" windows-key "drop-down field"
    shot "$dlg" "$shots/windows-list.png"
    click_item windows-key "drop list" 10
    dialog_ok || e2e_fail "OK did not close the Windows dialog"
  fi

  # Macro key: the third macro, repeat mode 3.
  if open_dialog 7 13 Macro; then
    click_on "$win" macro-key "drop-down field"
    shot "$dlg" "$shots/macro-list.png"
    click_item macro-key "drop list" 2
    click_on "$win" macro-key "mode 3 box"
    sleep 0.3
    shot "$dlg" "$shots/macro-key.png"
    check "the mode 3 box is ticked instead of mode 1" changed "$shots/macro-list.png" \
      "$shots/macro-key.png" $(centre_of macro-key "mode 3 box")
    dialog_ok || e2e_fail "OK did not close the macro dialog"
  fi

  sleep 0.3
  shot "$win" "$shots/basic-after.png"
  click_on "$win" pages OK  # Apply, save, hide
  wait_for "config.bin saved" config_saved || e2e_fail "config.bin was not saved"
  expect_byte "button 2 is a single key" 1 11
  expect_byte "single key A" 121 4
  expect_byte "single key F5" 122 62
  expect_byte "combo function" 3 12
  expect_byte "combo modifier Left Ctrl" 135 1
  expect_byte "combo without key 1" 147 0
  expect_byte "combo key 2 is 2" 159 31
  expect_byte "fire key function" 4 10
  expect_byte "fire key speed 4 becomes 5" 100 5
  expect_byte "fire key times 1" 112 1
  expect_byte "fire key from the scrolled list: D" 88 7
  expect_byte "media Vol- position" 17 6
  expect_byte "media Vol- usage" 29 234
  expect_byte "Windows favourites position" 42 10
  expect_byte "Windows favourites usage low" 54 42
  expect_byte "Windows favourites usage high" 66 2
  expect_byte "third macro" 175 2
  expect_byte "repeat mode 3" 187 2

  # ---- Skins: the second skin and a new text colour -------------------------------------------
  win=$(open_window) || e2e_fail "the window did not open again"
  for row in 0 1; do
    click_on "$win" pages Skins
    wait_for "skins dialog" dialog_window || { e2e_fail "the skins dialog did not open"; break; }
    dlg=$(dialog_window)
    click_on "$win" skins "drop-down field"
    sleep 0.3
    shot "$dlg" "$shots/skins-list.png"
    read -r l t r b <<<"$(rect_of skins "drop list")"  # a third item would be drawn there
    check "two skins listed, the file is not" test \
      "$("$CONVERT" "$shots/skins-list.png" -crop "100x12+$((l + 4))+$((t + 28 + 1))" -format %k info:)" = 1
    click_item skins "drop list" "$row"
    if ((row == 1)); then
      click_on "$win" skins "colour swatch"  # the system colour dialog
      sleep 1.5
      shot root "$shots/colour-dialog.png"
      xdotool key Return
      sleep 0.5
    fi
    dialog_ok || e2e_fail "OK did not close the skins dialog"
    [[ $(str_key Path) == Frost ]] && break
  done
  sleep 0.5
  shot "$win" "$shots/frost-basic.png"
  check "str.ini names the second skin" test "$(str_key Path)" = Frost
  check "str.ini holds a new text colour" test \
    "$(str_key RColor),$(str_key GColor),$(str_key BColor)" != "0,255,0"
  check "the page is drawn from the new skin at once" changed "$shots/basic-after.png" \
    "$shots/frost-basic.png" 120 400
  e2e_stop
fi

# ---- Turkish and Simplified Chinese ---------------------------------------------------------
# The media dialog in Turkish; the skins dialog in Chinese (the function list's items are of
# another height in the Chinese font, the skins button is not).
e2e_start "$work/session" "$work/prefix-template" &&
  if start_program TUK && open_dialog 5 9 "Media (TUK)"; then
    click_on "$win" media-key "drop-down field"
    sleep 0.3
    shot "$dlg" "$shots/media-TUK.png"
    check "Turkish media dialog: Cancel closes it" dialog_cancel
  fi
e2e_stop
e2e_start "$work/session" "$work/prefix-template" &&
  if start_program CHS; then
    click_on "$win" pages Skins
    if wait_for "skins dialog (CHS)" dialog_window; then
      dlg=$(dialog_window)
      sleep 0.3
      shot "$dlg" "$shots/skins-CHS.png"
      dialog_cancel
      check "Chinese skins dialog: Cancel keeps the skin" test "$(str_key Path)" = Default
    else
      e2e_fail "the skins dialog did not open in Chinese"
    fi
  fi
e2e_stop
check "the Turkish and Chinese dialogs were shown" test -f "$shots/media-TUK.png" -a -f "$shots/skins-CHS.png"
ok_caption() { "$CONVERT" "$1" -crop 101x19+168+254 +repage "$2"; }  # inside OK, (166,253)-(271,274)
captions_differ() {
  ok_caption "$shots/media-TUK.png" "$work/ok-TUK.png" &&
    ok_caption "$shots/skins-CHS.png" "$work/ok-CHS.png" &&
    ! same_image "$work/ok-TUK.png" "$work/ok-CHS.png"
}
[[ -f $shots/media-TUK.png && -f $shots/skins-CHS.png ]] && check "their OK captions differ" captions_differ

exit "$E2E_FAILED"
