# The main window under test: where it is, clicks and pointer moves at client coordinates,
# screenshots and pixels, and the files the program wrote. Sourced after harness.sh; expects
# $work (the test's folder).

# Client origin of the main window on the screen: with unmanaged windows the X window is the
# whole borderless window.
origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}'
}
move_to() {  # move_to WINDOW X Y (client coordinates)
  local ox oy
  read -r ox oy < <(origin "$1")
  xdotool mousemove $((ox + $2)) $((oy + $3))
}
click_at() {
  move_to "$@"
  sleep 0.3
  xdotool click 1
}
shot() { import -window "$1" "$2" 2>/dev/null; }
pixel() { "$CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# The bounding box "X0 Y0 X1 Y1" (exclusive) of the pixels that differ between two shots, or
# "none".
diff_box() {
  local g
  g=$("$CONVERT" "$1" "$2" -compose difference -composite -threshold 0 -trim \
    -format '%w %h %X %Y' info: 2>/dev/null)
  read -r w h x y <<<"${g//+/}"
  if [[ $w -le 1 && $h -le 1 ]] && [[ $("$CONVERT" "$1" "$2" -compose difference -composite \
    -format '%[fx:maxima.r+maxima.g+maxima.b]' info:) == 0 ]]; then
    echo none
  else
    echo "$x $y $((x + w)) $((y + h))"
  fi
}
inside() {  # inside "X0 Y0 X1 Y1" L T R B
  local x0 y0 x1 y1
  read -r x0 y0 x1 y1 <<<"$1"
  ((x0 >= $2 && y0 >= $3 && x1 <= $4 && y1 <= $5))
}
changed() { [[ $(pixel "$1" "$3" "$4") != $(pixel "$2" "$3" "$4") ]]; }
same() { [[ $(pixel "$1" "$3" "$4") == $(pixel "$2" "$3" "$4") ]]; }
set_skin() {  # str.ini is UTF-16: edit it as UTF-8 and write it back with its BOM
  iconv -f UTF-16 -t UTF-8 "$E2E_APP/str.ini" | sed "s/^Path=.*/Path=$1\r/" |
    iconv -f UTF-8 -t UTF-16 >"$E2E_APP/str.ini.new" && mv "$E2E_APP/str.ini.new" "$E2E_APP/str.ini"
}
open_window() {  # the pointer then rests on the window, so the icon's tooltip goes away
  local id
  tray_click left
  wait_for "main window" main_window || return 1
  id=$(main_window)
  move_to "$id" 400 40
  sleep 0.5
  echo "$id"
}
has_main_window() { main_window >/dev/null; }
wire_lines() { wc -l <"$E2E_WIRE" 2>/dev/null || echo 0; }
first_byte() { od -An -tu1 -N1 "$E2E_APP/config.bin" | tr -d ' '; }
config_saved() { [[ $(first_byte) == 1 ]]; }
# A byte of the settings record in config.bin (the file has the first-run flag before it).
record_byte() { od -An -tu1 -j$(($1 + 1)) -N1 "$E2E_APP/config.bin" | tr -d ' '; }
sent() { tr -d '\r' | grep -v '^get_feature \|^read '; }  # the wire lines that go to the mouse
