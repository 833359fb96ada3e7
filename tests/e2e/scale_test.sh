#!/usr/bin/env bash
# The window at 150 % and 200 % display scale (the prefix's LogPixels) beside 100 %: its size,
# clicks at scaled points on both pages and in two sub-dialogs, art and text as sharp as the
# scale allows, a move to a monitor of another scale, and the window on a 1366 x 768 screen at
# 125 %.
#   tests/e2e/scale_test.sh SIM_FOLDER WORK_FOLDER
export E2E_SCREEN=1920x1400  # room for the window at 200 %
source "$(dirname "$0")/harness.sh"
e2e_begin "$@" || exit 1

# The program reads the scale when it starts: a new wineserver for each.
at_dpi() {
  E2E_DPI=$1
  wineserver -k 2>/dev/null
  timeout 15 wineserver -w 2>/dev/null
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
  wineserver -p </dev/null >/dev/null 2>&1
}
size_of() { xwininfo -id "$1" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w "x" h}'; }
# Edge energy: the mean square of the differences between neighbouring pixels (grey) in a crop.
# A sharp edge is one big step; the same edge stretched is several small ones, whose squares add
# up to less.
edges() {  # edges IMAGE "L T R B"
  local l t r b
  read -r l t r b <<<"$2"
  "$CONVERT" "$1" -crop "$((r - l))x$((b - t))+$l+$t" +repage -colorspace Gray \
    \( +clone -roll +1+0 \) -compose difference -composite -crop "$((r - l - 1))x$((b - t))+1+0" \
    +repage -evaluate pow 2 -format '%[fx:mean]' info:
}
# sharper IMAGE REFERENCE "L T R B": IMAGE has at least 1.25 times the edge energy of REFERENCE
# there.
sharper() {
  local a b
  a=$(edges "$1" "$3")
  b=$(edges "$2" "$3")
  echo "  edge energy $a against $b" >&2
  awk -v a="$a" -v b="$b" 'BEGIN { exit !(a >= 1.25 * b && a > 0) }'
}
not_sharper() { ! sharper "$@"; }
union() {  # union "L T R B" "L T R B"
  local a b
  read -r -a a <<<"$1"
  read -r -a b <<<"$2"
  echo "$((a[0] < b[0] ? a[0] : b[0])) $((a[1] < b[1] ? a[1] : b[1]))" \
    "$((a[2] > b[2] ? a[2] : b[2])) $((a[3] > b[3] ? a[3] : b[3]))"
}

for dpi in 96 144 192; do
  at_dpi $dpi
  pct=$((dpi * 100 / 96))
  for skin in Default Frost; do
    open_with_skin "$skin" "$pct % $skin" || continue
    check "$pct % $skin: the client area is 876 x 645 scaled" \
      test "$(size_of "$win")" = "$(scaled 876)x$(scaled 645)"
    move_to "$win" 400 40
    sleep 0.5
    shot "$win" "$shots/$skin-basic-$pct.png"
    # Both pages by their tabs, and a click on each page.
    click_on "$win" pages "Advanced tab"
    move_to "$win" 400 40
    sleep 0.6
    shot "$win" "$shots/$skin-advanced-$pct.png"
    check "$pct % $skin: the Advanced tab shows the Advanced page" \
      test "$(diff_box "$shots/$skin-basic-$pct.png" "$shots/$skin-advanced-$pct.png")" != none
    if [[ $skin == Default ]]; then
      click_on "$win" advanced "slider row 1 cell 1"
      move_to "$win" 400 40
      sleep 0.5
      shot "$win" "$work/slider.png"
      box=$(diff_box "$shots/$skin-advanced-$pct.png" "$work/slider.png")
      check "$pct %: a click on the first pointer-speed cell changes that slider row ($box)" \
        test "$box" != none
      click_on "$win" pages "Basic tab"
      move_to "$win" 400 40
      sleep 0.6
      shot "$win" "$work/basic-again.png"
      check "$pct %: the Basic tab shows the Basic page again" \
        test "$(diff_box "$shots/$skin-basic-$pct.png" "$work/basic-again.png")" = none

      # Two sub-dialogs, opened and closed by clicks at scaled points.
      click_on "$win" pages Skins
      if wait_for "skins dialog" dialog_window; then
        dlg=$(dialog_window)
        sleep 0.3
        check "$pct %: the skins dialog is 400 x 290 scaled" \
          test "$(size_of "$dlg")" = "$(scaled 400)x$(scaled 290)"
        shot "$dlg" "$shots/skins-dialog-$pct.png"
        click_on "$win" dialogs Cancel
        check "$pct %: Cancel closes the skins dialog" wait_for "dialog closed" no_dialog
      else
        e2e_fail "$pct %: the skins dialog did not open"
      fi
      if open_dialog 1 11 "Single key"; then
        shot "$dlg" "$shots/single-key-$pct.png"
        click_on "$win" dialogs close
        check "$pct %: the close button ends the single-key dialog" wait_for "dialog closed" no_dialog
      fi
      if ((dpi == 144)); then
        # Moved to a monitor at 200 %: drawn as if it had started there.
        k8sim scale 192
        sleep 0.5
        check "150 % to 200 %: the client area is 876 x 645 at 200 %" \
          test "$(size_of "$win")" = "$((876 * 2))x$((645 * 2))"
        move_to "$win" 400 40
        sleep 0.5
        shot "$win" "$work/rescaled-200.png"
      fi
    fi
    kill "$E2E_PROGRAM" 2>/dev/null
    wineserver -k 2>/dev/null
    timeout 15 wineserver -w 2>/dev/null
    wineserver -p </dev/null >/dev/null 2>&1
  done
done

# Sharpness: each scaled shot against the 100 % shot stretched to its size (as a system stretches
# a window that ignores the scale), on skin art (the two tabs) and on a text (the page title).
for dpi in 144 192; do
  E2E_DPI=$dpi
  pct=$((dpi * 100 / 96))
  stretched=$work/stretched-$pct.png
  "$CONVERT" "$shots/Default-basic-100.png" -filter Triangle -resize "$(scaled 876)x$(scaled 645)!" \
    "$stretched"
  art=$(union "$(rect_of pages "Basic tab")" "$(rect_of pages "Advanced tab")")
  title=$(rect_of pages "page title")
  check "$pct %: the tabs' art is sharp" sharper "$shots/Default-basic-$pct.png" "$stretched" "$art"
  check "$pct %: the page title is sharp" sharper "$shots/Default-basic-$pct.png" "$stretched" "$title"
  # The measure itself tells a stretched picture from a sharp one.
  check "$pct %: a stretched picture does not pass as sharp" not_sharper "$stretched" "$stretched" "$art"
done

check "150 % to 200 %: the window is drawn as one started at 200 % ($(diff_box \
  "$work/rescaled-200.png" "$shots/Default-basic-200.png"))" \
  test "$(diff_box "$work/rescaled-200.png" "$shots/Default-basic-200.png")" = none

# A 1366 x 768 screen at 125 %: the window takes the largest scale that fits, all of it on screen.
e2e_stop
rm -rf "$work/session"  # its prefix is not needed again: one copy on disk at a time
E2E_DPI=120
E2E_SCREEN=1366x768 e2e_start "$work/small" "$work/prefix-template" || exit 1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f </dev/null >/dev/null 2>&1
e2e_prepare "$sim" 1 0
e2e_launch
wait_for "tray icon" tray_icon_drawn || e2e_fail "125 %: no icon"
if win=$(open_window); then
  read -r x y < <(origin "$win")
  read -r w h < <(xwininfo -id "$win" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
  shot "$win" "$shots/small-screen-125.png"
  check "125 % on 1366 x 768: the window ($w x $h at $x,$y) lies on the screen" \
    test $((x >= 0 && y >= 0 && x + w <= 1366 && y + h <= 768)) = 1
  check "125 % on 1366 x 768: it is larger than at 100 %" test $((w > 876 && h > 645)) = 1
  E2E_DPI=$((96 * h / 645))
  read -r l t r b <<<"$(rect_of pages Cancel)"
  click_at "$win" $(((l + r) / 2)) $(((t + b) / 2))
  check "125 % on 1366 x 768: Cancel at the bottom is in reach and hides the window" \
    wait_for "window hidden" no_main_window
else
  e2e_fail "125 %: the window did not open"
fi

echo "e2e_scale: $((SECONDS - started)) s"
exit "$E2E_FAILED"
