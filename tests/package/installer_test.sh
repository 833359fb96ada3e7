#!/usr/bin/env bash
# What a user downloads, under Wine: the silent install puts every file of the release in place
# with a Start-menu shortcut, an uninstall entry and the logon task; the installed program starts
# and shows its icon; the installed k8ctl finds no mouse; the silent uninstall removes what was
# installed and keeps record.ini unless asked. The portable zip holds the release folder, and a
# profile exported from its defaults imports into an empty folder that the program starts from.
#   tests/package/installer_test.sh SETUP_EXE PORTABLE_ZIP WORK_FOLDER
source "$(dirname "$0")/../e2e/harness.sh"
setup=$(abs_path "$1")
zip=$(abs_path "$2")
mkdir -p "$3"
# The e2e tests' prefix template, when they made one already.
shared=$(dirname "$(abs_path "$3")")/windows/e2e/prefix-template
e2e_template_ready "$shared" || shared=''
e2e_session "$3" ${shared:+"$shared"} || exit 1

top=$(basename "$zip" -portable.zip)
program=QTV-K8GamingMouse.exe
app="$WINEPREFIX/drive_c/Program Files/K8 Gaming Mouse"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/K8 Gaming Mouse.lnk"
# Where Wine's task scheduler keeps a registered task's definition.
task="$WINEPREFIX/drive_c/windows/system32/tasks/K8 Gaming Mouse"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\K8GamingMouse'

# -- the zip: one top folder named with the version, holding the release folder ---------------
rm -rf "$work/zip" && mkdir -p "$work/zip"
unzip -q "$zip" -d "$work/zip"
check "zip has one top folder $top" test "$(ls "$work/zip")" == "$top"
release=$work/zip/$top
check "zip holds the program, k8ctl, config.bin, str.ini and skins" \
  test -f "$release/$program" -a -f "$release/k8ctl.exe" -a -f "$release/config.bin" \
  -a -f "$release/str.ini" -a -d "$release/Skins/Default"
(cd "$release" && find . -type f | LC_ALL=C sort) >"$work/release-files"
# The version resource (what Explorer's properties show) names the package's version.
version_text() { strings -el "$release/$program" | grep -A1 -x "$1" | tail -n 1; }
check "the program's version resource has the package's version" \
  test "$(version_text FileVersion)" == "${top#K8GamingMouse-}" -a "$(version_text ProductVersion)" == "${top#K8GamingMouse-}"
check "the program's version resource has a description and a copyright" \
  test -n "$(version_text FileDescription)" -a -n "$(version_text LegalCopyright)"
check "the shipped program is stripped" bash -c "! x86_64-w64-mingw32-objdump -h '$release/$program' | grep -q debug"

# -- silent install, with the logon task -------------------------------------------------------
wine "$setup" /S /STARTUP </dev/null >>"$work/run.log" 2>&1
check "silent install ends with 0" test $? -eq 0
[[ -f $app/$program ]] || { echo "FAIL: nothing installed, the rest cannot run" >&2; exit 1; }
same_files() {
  local f
  while read -r f; do cmp -s "$release/$f" "$app/$f" || { echo "differs or missing: $f" >&2; return 1; }; done <"$work/release-files"
}
check "every file of the release is installed" same_files
check "the uninstaller is installed" test -f "$app/uninstall.exe"
check "the Start-menu shortcut is there" test -f "$shortcut"
reg_value() { wine reg query "$key" /v "$1" </dev/null 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v {print $NF}'; }
check "the uninstall entry names the version" test "$(reg_value DisplayVersion)" == "${top#K8GamingMouse-}"
check "the uninstall entry has a quiet uninstall" test "$(reg_value QuietUninstallString)" == /S
# Wine stores a task's description and settings but drops its triggers, principal and actions,
# and runs no logon triggers: what it keeps shows that the installer's definition was taken.
# (UTF-8 or UTF-16: without NULs either one greps as ASCII.)
task_has() { tr -d '\r\000' <"$task" 2>/dev/null | grep -qF -- "$1"; }
task_settings() {
  task_has "<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>" &&
    task_has "<MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>"
}
check "the logon task is registered" test -f "$task"
check "the task is the installer's" task_has "<Description>K8 Gaming Mouse: start at logon</Description>"
check "the task has no time limit and starts one instance" task_settings

# -- the installed program starts and shows its icon; the installed k8ctl finds no mouse -------
(cd "$app" && exec wine "$program" </dev/null >>"$work/run.log" 2>&1) &
E2E_PROGRAM=$!
check "the installed program shows its icon" wait_for "tray icon" tray_icon_drawn
check "the installed program runs" running
(cd "$app" && wine k8ctl.exe apply config.bin </dev/null >"$work/apply.out" 2>"$work/apply.err")
check "k8ctl apply without a mouse ends with 3" test $? -eq 3
check "k8ctl apply says why" grep -q "no mouse found" "$work/apply.err"
kill "$E2E_PROGRAM" 2>/dev/null
wait "$E2E_PROGRAM" 2>/dev/null
E2E_PROGRAM=
check "the icon goes with the program" wait_for "icon gone" no_tray_icon

# -- silent uninstall keeps the user's macros --------------------------------------------------
printf '\xff\xfe' >"$app/record.ini"
uninstall() {
  wine "$app/uninstall.exe" /S "$@" </dev/null >>"$work/run.log" 2>&1
  # The uninstaller runs on from a copy of itself: wait until it is done.
  wait_for "uninstaller" test ! -e "$app/uninstall.exe"
}
uninstall
none_left() {
  local f
  while read -r f; do [[ ! -e $app/$f ]] || { echo "left: $f" >&2; return 1; }; done <"$work/release-files"
  [[ ! -d $app/Skins ]]
}
check "the uninstall removes every installed file" none_left
check "the uninstall keeps record.ini" test -f "$app/record.ini"
check "the shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" bash -c "! wine reg query '$key' </dev/null >/dev/null 2>&1"
check "the logon task is gone" test ! -e "$task"

# -- asked to, the uninstall removes record.ini and the folder ---------------------------------
wine "$setup" /S </dev/null >>"$work/run.log" 2>&1
check "a second install without the task registers none" test ! -e "$task"
uninstall /REMOVEMACROS
check "asked to, the uninstall removes record.ini and the folder" test ! -e "$app"

# -- a profile of the shipped defaults, imported into an empty folder, starts the program ------
empty=$work/imported
rm -rf "$empty" && mkdir -p "$empty"
(cd "$release" && wine k8ctl.exe export . </dev/null >"$work/defaults.json" 2>>"$work/run.log")
check "export of the shipped defaults" test -s "$work/defaults.json"
cp "$work/defaults.json" "$empty/profile.json"
(cd "$empty" && wine "$release/k8ctl.exe" import profile.json . </dev/null >>"$work/run.log" 2>&1)
check "import into an empty folder" test -f "$empty/config.bin" -a -f "$empty/str.ini" -a -f "$empty/record.ini"
check "the imported str.ini is the shipped one" cmp -s "$empty/str.ini" "$release/str.ini"
check "the imported record differs from the shipped one only in its first byte" \
  test "$(cmp -l "$empty/config.bin" "$release/config.bin" | wc -l)" -eq 1
cp "$release/$program" "$empty/" && cp -r "$release/Skins" "$empty/"
(cd "$empty" && exec wine "$program" </dev/null >>"$work/run.log" 2>&1) &
E2E_PROGRAM=$!
check "the program starts from the imported folder and shows its icon" wait_for "tray icon" tray_icon_drawn

echo "installer test: $((SECONDS - started)) s"
((E2E_FAILED == 0))
