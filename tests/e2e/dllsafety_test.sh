#!/usr/bin/env bash
# A copy of a small library, named after every library the programs load, planted beside the
# shipped program, beside k8ctl and beside the simulated build: each copy leaves a marker when a
# process loads it. The program starts, shows its icon, warns of the missing mouse on a click and
# exits from its menu; the simulated build opens its window (skin images decoded) and the system
# colour dialog; k8ctl apply finds no mouse. No marker may appear, with Wine's default load order and with the planted
# copies preferred to the system's own. Last, GDI+ and HID are taken away altogether.
#   tests/e2e/dllsafety_test.sh RELEASE_FOLDER SIM_FOLDER WORK_FOLDER PLANTED_DLL
source "$(dirname "$0")/harness.sh"
release=$(cd "$1" && pwd) || exit 1
planted=$(abs_path "$4")
e2e_begin "$2" "$3" || exit 1

# What the programs load under Wine (WINEDEBUG=+loaddll), what they can load on demand (the
# colour dialog, the multimedia timer) and what an older build imported.
libraries=(advapi32 combase comctl32 comdlg32 gdi32 gdiplus hid imm32 kernel32 kernelbase msacm32
  msimg32 msvcrt ntdll ole32 oleaut32 propsys rpcrt4 sechost setupapi shcore shell32 shlwapi
  ucrtbase user32 userenv uxtheme version win32u windowscodecs winmm zlib1)

# Windows maps these from its own folder whatever lies beside a program: the imports the
# static_imports test allows, and what Wine's user32 and gdi32 bring with them, by import as the
# process starts or by delayed import later (sechost's of rpcrt4 when a device notification is
# registered). Wine resolves both kinds past the program's search rules; on Windows they are
# known libraries, or user32 needs none of them. Wine also keeps no list of known libraries: told
# to prefer a native copy, it takes the planted one (a planted kernel32 stops the process). So
# they are planted, but left out of the native-first run.
always=' kernel32 kernelbase ntdll user32 gdi32 win32u msvcrt '
always+='advapi32 sechost rpcrt4 imm32 ucrtbase version zlib1 '

plant() {  # plant FOLDER: a marking copy under every name
  local name
  for name in "${libraries[@]}"; do cp "$planted" "$1/$name.dll"; done
}
markers() { find "$app" "$E2E_APP" -name '*.loaded' -printf '%f ' 2>/dev/null; }
no_markers() { [[ -z $(markers) ]]; }

# The shipped program's windows (main_window and popup_window of the harness are the simulated
# build's).
real_windows() { xdotool search --onlyvisible --classname 'qtv-k8gamingmouse.exe' 2>/dev/null; }

window_opens() { open_window >/dev/null; }
colour_dialog() { xdotool search --onlyvisible --name '^Colou?r$' 2>/dev/null | grep -q .; }

run_programs() {  # run_programs LABEL
  local label=$1 menu='' code=124 try
  app=$work/release-$label
  rm -rf "$app" && cp -r "$release" "$app" && plant "$app"

  (cd "$app" && exec wine QTV-K8GamingMouse.exe </dev/null >>"$E2E_DIR/run.log" 2>&1) &
  E2E_PROGRAM=$!
  check "$label: the program shows its icon" wait_for "tray icon" tray_icon_drawn
  # Without a mouse a click warns instead of opening the window; it still runs the discovery.
  tray_click left
  sleep 1
  check "$label: the program runs after the click" running
  for try in 1 2 3; do
    tray_click right
    menu=$(E2E_TIMEOUT=3 wait_for "menu" real_windows && real_windows | head -1) && break
  done
  if [[ -n $menu ]]; then send_keys "$menu" Down Return; else e2e_fail "$label: no menu"; fi
  for _ in $(seq 100); do running || break; sleep 0.1; done
  if ! running; then wait "$E2E_PROGRAM"; code=$?; fi
  check "$label: Exit ends the program with 0" test "$code" -eq 0
  E2E_PROGRAM=

  (cd "$app" && wine k8ctl.exe apply config.bin </dev/null >/dev/null 2>"$work/apply.err")
  check "$label: k8ctl apply finds no mouse (3)" test $? -eq 3

  e2e_prepare "$sim"
  plant "$E2E_APP"
  e2e_launch
  check "$label: the simulated build shows its icon" wait_for "tray icon" tray_icon_drawn
  check "$label: its window opens, skinned" window_opens
  if has_main_window; then
    win=$(main_window)
    shot "$win" "$shots/$label-window.png"
    # The skins dialog and, from its swatch, the system colour dialog (loaded on first use).
    click_at "$win" 710 14
    if wait_for "skins dialog" dialog_window; then
      click_at "$win" 96 102
      check "$label: the colour dialog opens" wait_for "colour dialog" colour_dialog
      shot root "$shots/$label-colour.png"
      xdotool key Return
    else
      e2e_fail "$label: the skins dialog did not open"
    fi
  fi
  kill "$E2E_PROGRAM" 2>/dev/null
  wait "$E2E_PROGRAM" 2>/dev/null
  E2E_PROGRAM=
  wait_for "icon gone" no_tray_icon
  check "$label: no planted library was loaded" no_markers
  no_markers || echo "loaded: $(markers)" >&2
}

run_programs default
native_first=''
for name in "${libraries[@]}"; do [[ $always == *" $name "* ]] || native_first+=$name,; done
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;${native_first%,}=n,b" run_programs native

# A system library that cannot be loaded is a failure the program reports, not a crash: without
# GDI+ no skin image decodes, so a click on the icon says so instead of opening an empty window;
# without HID the program and k8ctl find no mouse.
no_images=$'messagebox\tQTV-K8GamingMouse-sim\tLoadPng---Load image failed.'
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;gdiplus,hid,setupapi=d"
e2e_prepare "$sim"
e2e_launch
check "without GDI+: the icon is shown" wait_for "tray icon" tray_icon_drawn
tray_click left
check "without GDI+: a click says the images cannot be loaded" \
  wait_for "message box" journal_has "$no_images"
check "without GDI+: no window opens" no_main_window
if box=$(popup_window); then send_keys "$box" Return; fi
check "without GDI+: the program runs on" running
(cd "$app" && wine k8ctl.exe apply config.bin </dev/null >/dev/null 2>"$work/apply.err")
check "without HID: k8ctl apply finds no mouse (3)" test $? -eq 3

echo "$((SECONDS - started)) s"
exit "$E2E_FAILED"
