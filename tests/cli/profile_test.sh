#!/usr/bin/env bash
# k8ctl export / import and --json: round trips, the shipped defaults into an empty folder, and
# import refusing each kind of bad field by name without touching a file.
set -u
k8ctl=$1
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fails=0 passes=0
fail() { echo "FAIL $*"; fails=$((fails + 1)); }
pass() { passes=$((passes + 1)); }

# -- export -> import -> export gives the same file (every function kind, three scripts) -------
mkdir "$dir/rich"
"$k8ctl" import "$here/profile.json" "$dir/rich" && "$k8ctl" export "$dir/rich" >"$dir/rich.json" &&
  cmp -s "$here/profile.json" "$dir/rich.json" && pass || fail "round trip of tests/cli/profile.json"
"$k8ctl" show --json "$dir/rich/config.bin" >"$dir/show.json"
grep -q '"functionCode": 12' "$dir/show.json" && grep -q '"modifierBits": 3' "$dir/show.json" &&
  grep -q '"reportRateCode": 2' "$dir/show.json" && grep -q '"loops": 65535' "$dir/show.json" &&
  pass || fail "show --json: codes beside the words"
"$k8ctl" macros --json "$dir/rich/record.ini" >"$dir/macros.json"
grep -q '"name": "Çıkış"' "$dir/macros.json" && grep -q '"kind": "delay"' "$dir/macros.json" &&
  grep -q '"usage": 44' "$dir/macros.json" && pass || fail "macros --json"

# -- the shipped defaults import into an empty folder as the shipped files --------------------
mkdir "$dir/shipped" "$dir/empty"
"$k8ctl" init-config "$dir/shipped/config.bin" && "$k8ctl" init-str-ini "$dir/shipped/str.ini"
"$k8ctl" export "$dir/shipped" >"$dir/defaults.json" &&
  "$k8ctl" import "$dir/defaults.json" "$dir/empty" && pass || fail "defaults into an empty folder"
cmp -s "$dir/shipped/str.ini" "$dir/empty/str.ini" && pass || fail "imported str.ini is the shipped one"
[[ $(cmp -l "$dir/shipped/config.bin" "$dir/empty/config.bin" | awk '{print $1}') == 1 ]] &&
  pass || fail "imported config.bin differs from the shipped one in more than its first byte"
"$k8ctl" export "$dir/empty" | cmp -s - "$dir/defaults.json" && pass || fail "defaults round trip"

# -- refusals: exit 2, one line naming the field, no file changed -----------------------------
snapshot() { (cd "$dir/rich" && ls -A && md5sum config.bin str.ini record.ini); }
snapshot >"$dir/before"
refused() {  # refused NAME FIELD_IN_MESSAGE (profile on stdin)
  cat >"$dir/bad.json"
  "$k8ctl" import "$dir/bad.json" "$dir/rich" >/dev/null 2>"$dir/err"
  local status=$?
  if [[ $status != 2 ]]; then fail "$1: status $status"; return; fi
  [[ $(wc -l <"$dir/err") == 1 ]] || { fail "$1: not one line"; cat "$dir/err"; return; }
  grep -qF -- "$2" "$dir/err" || { fail "$1: message does not name $2"; cat "$dir/err"; return; }
  snapshot | cmp -s - "$dir/before" || { fail "$1: a file changed"; return; }
  pass
}
edit() { sed "$1" "$here/profile.json"; }
# Replaces the macro list (the profile's last member) with the given JSON array.
with_macros() { sed '/"macros": \[/,$d' "$here/profile.json"; printf '  "macros": %s\n}\n' "$1"; }
macro() { printf '{"name": "%s", "loops": 1, "lines": [%s]}' "$1" "${2:-\"A   Dn\", \"A   Up\"}"; }
list() { local IFS=,; echo "[$*]"; }

refused "rate" "settings.reportRateHz" < <(edit 's/"reportRateHz": 500/"reportRateHz": 300/')
refused "key name" "settings.buttons.B[3].key" < <(edit 's/"key": "F5"/"key": "F55"/')
refused "fire speed" "settings.buttons.B[2].speed" < <(edit 's/"speed": 5,/"speed": 4,/')
refused "dpi action" "settings.buttons.B[6].action" < <(edit 's/"action": "DPI Loop"/"action": "DPI Jump"/')
refused "dpi level" "settings.dpiStages[0].level" < <(edit '0,/"level": 1,/s//"level": 12,/')
refused "light" "settings.light.switchTime" < <(edit 's/"switchTime": 29/"switchTime": 30/')
refused "pointer" "settings.pointer.speed" < <(edit 's/"speed": 11,/"speed": 0,/')
refused "shown mode" "settings.shownMode" < <(edit 's/"shownMode": "B"/"shownMode": "C"/')
refused "unknown field" "settings.reportRate:" < <(edit 's/"reportRateHz": 500,/"reportRateHz": 500, "reportRate": 1,/')
refused "number out of range" "not JSON" < <(edit 's/"reportRateHz": 500,/"reportRateHz": 1e999,/')
refused "missing field" "settings.reportRateHz: missing" < <(edit '/"reportRateHz": 500,/d')
refused "language" "skin.language" < <(edit 's/"language": "TUK"/"language": "FR"/')
refused "colour" "skin.textColor" < <(edit 's/"textColor": "#FFA500"/"textColor": "#FFA5"/')
refused "skin name" "skin.name" < <(edit 's/"name": "Default"/"name": "..\/x"/')
refused "caption blank" "captions.TUK.B[3]" < <(edit 's/"Tek Tuş-F5"/" Tek Tuş-F5"/')
refused "caption control character" "captions.TUK.B[3]" < <(edit 's/"Tek Tuş-F5"/"Tek\\tTuş"/')
refused "loops" "macros[0].loops" < <(edit 's/"loops": 3,/"loops": 65536,/')
refused "macro line break" "macros[0].lines[2]" < <(edit 's/"Space   Up"/"Space\\nUp"/')
refused "name blank" "macros[0].name" < <(with_macros "$(list "$(macro ' Jump')")")
refused "name length" "macros[0].name" < <(with_macros "$(list "$(macro "$(printf 'x%.0s' {1..255})")")")
refused "name twice" "macros[1].name" < <(with_macros "$(list "$(macro Jump)" "$(macro jUMP)")")
refused "empty name" "macros[0].name" < <(with_macros "$(list "$(macro '')")")
names=(); for i in $(seq 1 13); do names+=("$(macro "m$i")"); done
refused "thirteen macros" "macros: may have at most 12" < <(with_macros "$(list "${names[@]}")")
long=(); for i in $(seq 1 9); do long+=("$(macro "n$i$(printf 'x%.0s' {1..28})")"); done
refused "name list" "macros[8].name" < <(with_macros "$(list "${long[@]}")")
refused "not JSON" "not JSON" < <(echo '{"format": "k8-profile", "version": 1,')
refused "version" "version" < <(edit 's/"version": 1/"version": 2/')

# -- a record.ini the program reads but did not write: its export imports and round-trips -----
# Item0 missing (an empty line), an unknown key, a delay out of range, a line the profile
# functions would strip, a 40-character name, a section repeated in other letter case, and
# more event pairs than the mouse holds.
mkdir "$dir/hand" "$dir/back"
cp "$dir/shipped/config.bin" "$dir/hand/"
{
  printf '[Gap]\r\nItemCount=3\r\nItem1=A   Dn\r\nItem2=50 ms\r\nItem3=A   Up\r\n'
  printf '[Odd]\r\nItemCount=4\r\nItem0=Foo   Dn\r\nItem1=5 ms\r\nItem2=""quoted""\r\nItem3=Foo   Up\r\n'
  printf '[%s]\r\nItemCount=1\r\nItem0=B   Dn\r\n' "$(printf 'n%.0s' {1..40})"
  printf '[gap]\r\nItemCount=1\r\nItem0=C   Dn\r\n'
  printf '[Big]\r\nItemCount=130\r\n'
  for i in $(seq 0 129); do printf 'Item%d=%s\r\n' "$i" "$( ((i % 2)) && echo '50 ms' || echo 'A   Dn')"; done
} >"$dir/hand/record.ini"
"$k8ctl" export "$dir/hand" >"$dir/hand.json" && "$k8ctl" import "$dir/hand.json" "$dir/back" &&
  "$k8ctl" export "$dir/back" | cmp -s - "$dir/hand.json" && pass || fail "hand-made record.ini round trip"
tr -d ' \n' <"$dir/hand.json" | grep -qF '"name":"Gap","loops":0,"lines":["","ADn","50ms"]' &&
  pass ||
  fail "Item0 missing exports as an empty first line"
grep -qF '"\"quoted\""' "$dir/hand.json" && ! grep -q '"gap"' "$dir/hand.json" &&
  [[ $("$k8ctl" macros "$dir/back/record.ini" | grep -c 'Big') -ge 1 ]] && pass ||
  fail "quoted line kept, repeated section left out, long macro kept"

# A folder that is not there, a profile that is not there: refused, nothing made.
"$k8ctl" import "$here/profile.json" "$dir/none" 2>/dev/null; [[ $? == 2 && ! -e $dir/none ]] && pass || fail "missing folder"
"$k8ctl" export "$dir/empty-none" >/dev/null 2>&1; [[ $? == 2 ]] && pass || fail "export of a missing folder"

echo "$passes passed, $fails failed"
((fails == 0))
