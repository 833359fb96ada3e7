# End-to-end harness: a private Xvfb display, a Wine prefix of our own, the program (the simulated
# build unless E2E_EXE names another) started from a copy of its folder, clicks and keys through
# xdotool, screenshots, and the virtual mouse in the prefix's HID stack.
# Sourced by the test scripts; every wait is bounded (E2E_TIMEOUT seconds) and polls.

E2E_TIMEOUT=${E2E_TIMEOUT:-20}
E2E_EXE=${E2E_EXE:-QTV-K8GamingMouse-sim.exe}
E2E_CLASS=${E2E_EXE,,}  # Wine's X windows are classed by the exe name in lower case
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
CONVERT=/usr/bin/convert
[[ -x $CONVERT ]] || CONVERT=convert

e2e_fail() {
  echo "FAIL: $*" >&2
  E2E_FAILED=1
}
e2e_pass() { echo "ok: $*"; }
check() {  # check DESCRIPTION CMD... : records a pass or a failure, never stops the run
  local what=$1
  shift
  if "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}

# wait_for DESCRIPTION CMD... : polls CMD every 0.1 s until it succeeds or the time is up.
wait_for() {
  local what=$1 deadline=$((SECONDS + E2E_TIMEOUT))
  shift
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      echo "timeout waiting for $what" >&2
      return 1
    fi
    sleep 0.1
  done
}

# The prefix template's version: a template without this file is made again, so a change to
# what goes into it reaches every build folder's cached copy.
E2E_TEMPLATE_MARK=template-v2
e2e_template_ready() { [[ -f $1/$E2E_TEMPLATE_MARK && -f $1/system.reg ]]; }

# Wine maps the faces the program asks for in Chinese to the installed WenQuanYi font; without
# it their text is drawn as empty boxes.
e2e_font_replacements() {
  local face
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in 宋体 新宋体 黑体 SimSun SimHei NSimSun 微软雅黑 'Microsoft YaHei' 細明體 PMingLiU MingLiU; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; }
}

# e2e_start WORKDIR CACHE: Xvfb (E2E_SCREEN, 1280x800 unless set) on a free display and a
# prefix (cloned from CACHE when there).
e2e_start() {
  e2e_prefix "$1" "$2" || return 1
  local fifo=$E2E_DIR/displayfd display=''
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x800}x24" -nolisten tcp 3>"$fifo" >"$E2E_DIR/xvfb.log" 2>&1 &
  E2E_XVFB=$!
  read -r -t "$E2E_TIMEOUT" display <"$fifo" || true
  rm -f "$fifo"
  [[ -n $display ]] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$display
  wineserver -p </dev/null >/dev/null 2>&1 || return 1
}

# e2e_prefix WORKDIR CACHE: a fresh prefix in WORKDIR/prefix, cloned from the template CACHE
# (made first when missing).
e2e_prefix() {
  E2E_DIR=$1
  local cache=$2
  mkdir -p "$E2E_DIR"
  export WINEPREFIX=$E2E_DIR/prefix
  if ! e2e_template_ready "$cache"; then
    rm -rf "$cache.tmp" "$cache"
    mkdir -p "$(dirname "$cache")"
    WINEPREFIX=$cache.tmp DISPLAY='' timeout 300 wineboot -i </dev/null >/dev/null 2>&1
    # Without a window manager, Wine waits 2 s for every managed window it hides.
    WINEPREFIX=$cache.tmp DISPLAY='' wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
      /d N /f </dev/null >/dev/null 2>&1
    e2e_font_replacements >"$cache.tmp/drive_c/fonts.reg"
    WINEPREFIX=$cache.tmp DISPLAY='' wine reg import 'C:\fonts.reg' </dev/null >/dev/null 2>&1
    rm -f "$cache.tmp/drive_c/fonts.reg"
    WINEPREFIX=$cache.tmp timeout 60 wineserver -w
    touch "$cache.tmp/$E2E_TEMPLATE_MARK"
    mv "$cache.tmp" "$cache"
  fi
  rm -rf "$WINEPREFIX"
  cp -a "$cache" "$WINEPREFIX"
}

# e2e_session WORK_FOLDER [CACHE]: what every test does first: strict pipes and unset names,
# work (WORK_FOLDER, made, absolute), E2E_FAILED and started, the clean-up on exit, and a display
# and prefix under work/session (the prefix template defaults to work/prefix-template).
e2e_session() {
  set -uo pipefail
  mkdir -p "$1"
  work=$(cd "$1" && pwd)
  E2E_FAILED=0
  started=$SECONDS
  trap e2e_stop EXIT
  e2e_start "$work/session" "${2:-$work/prefix-template}"
}

# e2e_begin SIM_FOLDER WORK_FOLDER [...]: e2e_session for a test of the simulated program, with
# sim (its folder, absolute) and shots (work/screenshots, made). Further arguments are the
# test's own (abs_path makes them absolute).
e2e_begin() {
  sim=$(cd "$1" && pwd) || return 1
  e2e_session "$2" || return 1
  shots=$work/screenshots
  mkdir -p "$shots"
}
abs_path() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }

e2e_stop() {
  if [[ -n ${E2E_PROGRAM:-} ]] && kill -0 "$E2E_PROGRAM" 2>/dev/null; then
    kill "$E2E_PROGRAM" 2>/dev/null || true
  fi
  if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then
    wineserver -k 2>/dev/null || true
    timeout 15 wineserver -w 2>/dev/null || true
  fi
  if [[ -n ${E2E_XVFB:-} ]] && kill -0 "$E2E_XVFB" 2>/dev/null; then
    kill "$E2E_XVFB" 2>/dev/null || true
    wait "$E2E_XVFB" 2>/dev/null || true
  fi
  return 0
}

# e2e_program FOLDER [PLUGGED SENSOR]: a fresh copy of the program folder, then its start.
e2e_program() {
  e2e_prepare "$@"
  e2e_launch
}

e2e_prepare() {
  E2E_APP=$E2E_DIR/app
  rm -rf "$E2E_APP"
  cp -r "$1" "$E2E_APP"
  printf '[Mouse]\r\nPlugged=%s\r\nSensorType=%s\r\n' "${2:-1}" "${3:-0}" >"$E2E_APP/sim-mouse.ini"
  E2E_JOURNAL=$E2E_APP/sim-journal.log
  E2E_WIRE=$E2E_APP/sim-wire.log
}

e2e_launch() {
  (cd "$E2E_APP" && exec wine "$E2E_EXE" </dev/null >>"$E2E_DIR/run.log" 2>&1) &
  E2E_PROGRAM=$!
}

running() { kill -0 "$E2E_PROGRAM" 2>/dev/null; }
k8sim() { (cd "$E2E_APP" && wine k8sim.exe "$@" </dev/null >>"$E2E_DIR/run.log" 2>&1); }
journal_has() { grep -qxF -- "$1" "$E2E_JOURNAL" 2>/dev/null; }
journal_count() { grep -cxF -- "$1" "$E2E_JOURNAL" 2>/dev/null || true; }
journal_lines() { wc -l <"$E2E_JOURNAL" 2>/dev/null || echo 0; }
journal_after() { tail -n +$(($1 + 1)) "$E2E_JOURNAL"; }  # the lines after the first N

# The program's visible top-level windows, by X class (the exe name); big ones only, so that
# its popup menu is not taken for the main window.
main_window() {
  local id w h
  for id in $(xdotool search --onlyvisible --classname "$E2E_CLASS" 2>/dev/null); do
    read -r w h < <(xwininfo -id "$id" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
    ((w > 200 && h > 200)) && { echo "$id"; return 0; }
  done
  return 1
}
no_main_window() { ! main_window >/dev/null; }

tray_window() { xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1 | grep .; }

# tray_geometry: x, y (upper left on the screen) and h (height) of the tray window, into the
# caller's locals.
tray_geometry() {
  local id
  id=$(tray_window) || return 1
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "x="$NF} /Absolute upper-left Y/{print "y="$NF} /Height:/{print "h="$NF}')"
}

# The first icon of Wine's stand-alone tray: 20x20 at (3, height - 23) inside its window. The
# click goes to the icon's top rows: a balloon notice covers its lower half.
tray_click() {
  local x y h
  tray_geometry || return 1
  xdotool mousemove $((x + 13)) $((y + h - 20))
  sleep 0.3  # a press right after a pointer jump can reach Wine before the motion
  case ${1:-left} in
    right) xdotool click 3 ;;
    double) xdotool click --repeat 2 --delay 80 1 ;;
    *) xdotool click 1 ;;
  esac
}

# The icon is there when its square shows more than a flat colour.
tray_icon_drawn() { tray_icon_drawn_at 0; }
no_tray_icon() { ! tray_icon_drawn; }

send_keys() {  # send_keys WINDOW KEYS... through XTEST, with the window focused
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.1
  shift
  xdotool key --delay 40 "$@"
}

# press_until KEYS CONDITION: sends the keys to the main window until CONDITION holds (two
# tries: without a window manager, X focus right after a tray click sometimes drops the first
# key before Wine sees it).
press_until() {
  local keys=$1 condition=$2 try
  for try in 1 2; do
    send_keys "$(main_window)" $keys
    E2E_TIMEOUT=5 wait_for "$condition" "$condition" && return 0
  done
  return 1
}

# A dialog is a top-level window of the program other than the main window ($win); it opens at
# the main window's client origin, so client coordinates of both are taken from $win.
dialog_window() {
  local id w h
  for id in $(xdotool search --onlyvisible --classname "$E2E_CLASS" 2>/dev/null); do
    [[ $id == "$win" ]] && continue
    read -r w h < <(xwininfo -id "$id" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
    ((w > 200 && h > 200)) && { echo "$id"; return 0; }
  done
  return 1
}
dialog_open() { dialog_window >/dev/null; }
no_dialog() { ! dialog_open; }

# choose BUTTON FUNCTION: opens button's function list (0-7) and clicks the function's item.
choose() {
  local l t r b
  click_on "$win" basic "function box $(($1 + 1))"
  sleep 0.3
  read -r l t r b <<<"$(rect_of basic "function list $(($1 + 1))")"
  click_at "$win" $(((l + r) / 2)) $((t + $(scaled $((14 * $2 + 7)))))  # items are 14 pixels high
}
# open_dialog BUTTON FUNCTION NAME: the dialog that function opens, its id in $dlg.
open_dialog() {
  choose "$1" "$2"
  if ! wait_for "$3 dialog" dialog_window; then
    e2e_fail "$3: the dialog did not open"
    return 1
  fi
  dlg=$(dialog_window)
  sleep 0.3
}
# OK of a sub-dialog.
dialog_ok() { click_on "$win" dialogs OK; wait_for "dialog closed" no_dialog; }

# A small visible window of the program: its menu or a message box.
popup_window() {
  local id
  for id in $(xdotool search --onlyvisible --classname "$E2E_CLASS" 2>/dev/null); do
    main_window | grep -qx "$id" || { echo "$id"; return 0; }
  done
  return 1
}

# tray_icon_drawn_at SLOT: the same for the icon in that place (0 is the first); the tray puts
# its icons 20 pixels apart.
tray_icon_drawn_at() {
  local x y h n f=$E2E_DIR/icon-$1.png
  tray_geometry || return 1
  import -window root -crop "20x20+$((x + 3 + 20 * $1))+$((y + h - 23))" "$f" 2>/dev/null || return 1
  n=$("$CONVERT" "$f" -format %k info: 2>/dev/null || echo 0)
  ((n > 4))
}

# Pointer, screenshots and files of the program under test, shared by the test scripts.
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

# The layout table the program is built from (skins/layout.json): clicks and checks use its
# rectangles rather than numbers of their own. rect_of WINDOW NAME prints "L T R B", centre_of
# "X Y"; click_on and move_on WIN WINDOW NAME act on a rectangle's centre.
declare -A E2E_LAYOUT
while IFS=$'\t' read -r key rect; do E2E_LAYOUT[$key]=$rect; done < <(python3 -c '
import json, sys
for c in json.load(open(sys.argv[1]))["controls"]:
    print("%s/%s\t%s" % (c["window"], c["name"], " ".join(map(str, c["rect"]))))
' "$(dirname "${BASH_SOURCE[0]}")/../../skins/layout.json")
# At a display scale (E2E_DPI, 96 unless set) the rectangles are scaled as the program scales
# them: each edge to the nearest pixel, halves upward.
scaled() { echo $(((2 * $1 * ${E2E_DPI:-96} + 96) / 192)); }
rect_of() {
  [[ -n ${E2E_LAYOUT[$1/$2]:-} ]] || { e2e_fail "no rectangle $1/$2 in skins/layout.json"; echo 0 0 0 0; return 1; }
  local l t r b
  read -r l t r b <<<"${E2E_LAYOUT[$1/$2]}"
  echo "$(scaled "$l") $(scaled "$t") $(scaled "$r") $(scaled "$b")"
}
centre_of() {
  local l t r b
  read -r l t r b <<<"$(rect_of "$1" "$2")"
  echo $(((l + r) / 2)) $(((t + b) / 2))
}
click_on() {
  local x y
  read -r x y <<<"$(centre_of "$2" "$3")"
  click_at "$1" "$x" "$y"
}
move_on() {
  local x y
  read -r x y <<<"$(centre_of "$2" "$3")"
  move_to "$1" "$x" "$y"
}
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
set_str_key() {  # set_str_key KEY VALUE: str.ini is UTF-16: edited as UTF-8, written back with its BOM
  iconv -f UTF-16 -t UTF-8 "$E2E_APP/str.ini" | sed "s/^$1=.*/$1=$2\r/" |
    iconv -f UTF-8 -t UTF-16 >"$E2E_APP/str.ini.new" && mv "$E2E_APP/str.ini.new" "$E2E_APP/str.ini"
}
set_skin() { set_str_key Path "$1"; }
str_key() {  # str_key KEY: its value in str.ini
  iconv -f UTF-16 -t UTF-8 "$E2E_APP/str.ini" | tr -d '\r' | sed -n "s/^$1=//p" | head -1
}
open_window() {  # the pointer then rests on the window, so the icon's tooltip goes away
  local id
  tray_click left
  # Off the icon at once, as a user heads for the window: a tooltip shown meanwhile would bring
  # Wine's tray window, which the program's window overlaps, back on top of it.
  xdotool mousemove 400 400
  wait_for "main window" main_window || return 1
  id=$(main_window)
  move_to "$id" 400 40
  sleep 0.5
  echo "$id"
}
# open_with_skin SKIN WHAT: the simulated program started with SKIN and its window opened (in
# `win`); a failure named WHAT and false when it does not open.
open_with_skin() {
  e2e_prepare "$sim" 1 0
  set_skin "$1"
  e2e_launch
  wait_for "tray icon" tray_icon_drawn || e2e_fail "$2: no icon"
  win=$(open_window) || { e2e_fail "$2: the window did not open"; return 1; }
}
has_main_window() { main_window >/dev/null; }
wire_lines() { wc -l <"$E2E_WIRE" 2>/dev/null || echo 0; }
first_byte() { od -An -tu1 -N1 "$E2E_APP/config.bin" | tr -d ' '; }
config_saved() { [[ $(first_byte) == 1 ]]; }
# A byte of the settings record in config.bin (the file has the first-run flag before it).
record_byte() { od -An -tu1 -j$(($1 + 1)) -N1 "$E2E_APP/config.bin" | tr -d ' '; }
sent() { tr -d '\r' | grep -v '^get_feature \|^read '; }  # the wire lines that go to the mouse

# The virtual mouse (tests/vmouse): vmouse_start VMOUSE_FOLDER copies k8vmouse.exe, its driver and
# INF into the session and starts the firmware's host; nothing is plugged yet. The host's wire log
# is E2E_WIRE (the simulated build's format, without pauses: the device cannot see them).
vmouse_start() {
  E2E_VMOUSE=$E2E_DIR/vmouse
  rm -rf "$E2E_VMOUSE"
  cp -r "$1" "$E2E_VMOUSE"
  E2E_WIRE=$E2E_VMOUSE/vmouse-wire.log
  : >"$E2E_WIRE"
  (cd "$E2E_VMOUSE" && exec wine k8vmouse.exe serve </dev/null >>"$E2E_DIR/vmouse.log" 2>&1) &
  wait_for "the virtual mouse's host" vmouse status
}
vmouse() { (cd "$E2E_VMOUSE" && wine k8vmouse.exe "$@" </dev/null >>"$E2E_DIR/vmouse.log" 2>&1); }
# vmouse_plugged ROLES: the driver of each collection named (e.g. 0123) has reached the host.
vmouse_plugged() {
  local state
  state=$(cd "$E2E_VMOUSE" && wine k8vmouse.exe status </dev/null 2>/dev/null) || return 1
  local r
  for ((r = 0; r < ${#1}; r++)); do [[ $state == *"${1:r:1}+"* ]] || return 1; done
}
wire_since() { tail -n +$(($1 + 1)) "$E2E_WIRE" | tr -d '\r'; }  # the wire lines after the first N
no_sleep() { grep -v '^sleep '; }

# Notices of the shipped build (it keeps no journal): the balloon of Wine's tray, an explorer
# window taller than the tray's icon row. balloon_shot FILE saves it; fails when none shows.
balloon_window() {
  local id w h
  for id in $(xdotool search --onlyvisible --classname '^explorer.exe$' 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == 'Wine System Tray' ]] && continue
    read -r w h < <(xwininfo -id "$id" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
    ((w < 1000 && h > 40)) && { echo "$id"; return 0; }
  done
  return 1
}
balloon_shot() { local id; id=$(balloon_window) && shot "$id" "$1"; }
no_balloon() { ! balloon_window >/dev/null; }
same_image() {
  [[ $("$CONVERT" "$1" -format %wx%h info:) == $("$CONVERT" "$2" -format %wx%h info:) ]] &&
    [[ $(diff_box "$1" "$2") == none ]]
}
# balloon_new BEFORE: a balloon shows that differs from BEFORE (a shot, or a missing file for
# none); the new one is kept beside it, named with -new.png. balloon_is SHOT: the one showing
# looks like SHOT.
balloon_new() {
  balloon_shot "${1%.png}-new.png" || return 1
  [[ ! -f $1 ]] || ! same_image "$1" "${1%.png}-new.png"
}
balloon_is() { balloon_shot "${1%.png}-now.png" && same_image "$1" "${1%.png}-now.png"; }
