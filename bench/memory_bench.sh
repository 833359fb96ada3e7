#!/usr/bin/env bash
# Anonymous resident memory (RssAnon of the Wine process) of the simulated program against the
# baseline (bench/tray_baseline_win32.cpp: a notification-area icon, GDI+ started, main.png
# decoded), both started under Wine in one run: hidden and idle, with both pages shown, hidden
# again. Not a test: the figures depend on the Wine version.
#   bench/memory_bench.sh [WINDOWS_BUILD_FOLDER]   (default build/windows)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(cd "${1:-build/windows}" && pwd)
source tests/e2e/harness.sh
work=$build/memory-bench
mkdir -p "$work"
trap e2e_stop EXIT
e2e_start "$work/session" "$build/e2e/prefix-template" || exit 1

# The Linux process of a Windows exe in this run's Wine prefix (other Wine sessions may run
# the same exe).
rss_anon_kb() {
  local pid
  for pid in $(pgrep -f "$1"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    awk '/^RssAnon:/{print $2}' "/proc/$pid/status"
    return 0
  done
  echo 0
}

e2e_program "$build/sim" 1 0
wait_for "the program's icon" tray_icon_drawn || exit 1
cp "$build/tray_baseline.exe" "$work/"
(cd "$work" && exec wine tray_baseline.exe "$E2E_APP\\Skins\\Default\\main.png" \
  </dev/null >>"$E2E_DIR/run.log" 2>&1) &
wait_for "the baseline's icon" tray_icon_drawn_at 1 || exit 1

declare -A base prog
measure() {
  sleep "${2:-3}"
  base[$1]=$(rss_anon_kb tray_baseline.exe)
  prog[$1]=$(rss_anon_kb QTV-K8GamingMouse-sim.exe)
}
measure hidden 5
win=$(open_window) || exit 1
click_at "$win" 80 74  # Advanced
sleep 1
click_at "$win" 34 74  # Basic
measure shown 2
click_at "$win" 830 10  # Minimise hides the window
wait_for "hidden" no_main_window
measure "hidden again" 3

printf '%-14s %12s %12s %7s\n' phase baseline program ratio
for phase in hidden shown "hidden again"; do
  printf '%-14s %9s kB %9s kB %7s\n' "$phase" "${base[$phase]}" "${prog[$phase]}" \
    "$(awk -v p="${prog[$phase]}" -v b="${base[$phase]}" 'BEGIN{printf "%.2f", b ? p / b : 0}')"
done
