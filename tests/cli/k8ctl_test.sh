#!/usr/bin/env bash
# k8ctl from the outside: the shipped config, a simulated Apply, macros, and bad input.
set -u
k8ctl=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fails=0
check() {  # check NAME EXPECTED_STATUS COMMAND...
  local name=$1 want=$2; shift 2
  "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  if [[ $got != "$want" ]]; then
    echo "FAIL $name: status $got, expected $want"; cat "$dir/err"; fails=$((fails + 1))
  elif [[ $want == 2 && $(wc -l <"$dir/err") != 1 ]]; then
    echo "FAIL $name: expected one line on stderr"; cat "$dir/err"; fails=$((fails + 1))
  fi
}

check init 0 "$k8ctl" init-config "$dir/config.bin"
[[ $(stat -c %s "$dir/config.bin") == 1986 && $(head -c1 "$dir/config.bin" | od -An -tu1 | tr -d ' ') == 0 ]] ||
  { echo "FAIL init: shipped config.bin must be 1986 bytes with first byte 0"; fails=$((fails + 1)); }
cp "$dir/config.bin" "$dir/before.bin"

check show 0 "$k8ctl" show "$dir/config.bin"
grep -q "button 8: Triple-click" "$dir/out" && grep -q "report rate: 1000 Hz" "$dir/out" ||
  { echo "FAIL show: unexpected text"; cat "$dir/out"; fails=$((fails + 1)); }

check apply 0 "$k8ctl" apply --simulate --sensor-type 1 --trace "$dir/wire.log" "$dir/config.bin"
[[ $(head -n1 "$dir/wire.log") == "set_feature 00 83 00 00 00 00 00 00 7c" &&
   $(grep -c '^set_feature 00 12 ' "$dir/wire.log") == 4 ]] ||
  { echo "FAIL apply: wire log"; head -n3 "$dir/wire.log"; fails=$((fails + 1)); }
cmp -s "$dir/config.bin" "$dir/before.bin" || { echo "FAIL apply changed its input"; fails=$((fails + 1)); }
# The hand-checked wire log of the shipped config.bin against a sensor of type 0.
check apply-type-0 0 "$k8ctl" apply --simulate --trace "$dir/wire0.log" "$dir/config.bin"
diff "$(dirname "$0")/../e2e/expected/shipped-config-wire.log" <(tr -d '\r' <"$dir/wire0.log") >/dev/null ||
  { echo "FAIL apply: the shipped config.bin's wire log differs from the hand-checked one"; fails=$((fails + 1)); }

head -c 1985 "$dir/config.bin" >"$dir/short.bin"
check missing 2 "$k8ctl" show "$dir/nope.bin"
check wrong-size 2 "$k8ctl" show "$dir/short.bin"
check directory 2 "$k8ctl" show "$dir"
check bad-sensor 2 "$k8ctl" show --sensor-type x "$dir/config.bin"
check bad-option 2 "$k8ctl" apply --simulate --trace - --bogus "$dir/config.bin"
check no-simulate 2 "$k8ctl" apply --trace - "$dir/config.bin"
check sensor-without-simulate 2 "$k8ctl" apply --sensor-type 1 "$dir/config.bin"
check no-mouse 3 "$k8ctl" apply "$dir/config.bin"  # this build has no HID backend
check no-mouse-bad-input 2 "$k8ctl" apply "$dir/short.bin"
check unknown 2 "$k8ctl" frobnicate
check unwritable-out 2 "$k8ctl" init-config "$dir/no/such/folder/config.bin"
cmp -s "$dir/short.bin" <(head -c 1985 "$dir/before.bin") || { echo "FAIL input modified"; fails=$((fails + 1)); }

# Macros: record.ini in file order (UTF-16 with names in three scripts), and its encoding into a copy
# of the shipped config.bin, which touches nothing but the twelve macro images.
record=$(dirname "$0")/../fuzz/seeds/encode_macros_fuzz/record.ini
check macros 0 "$k8ctl" macros "$record"
[[ $(grep -c '^[0-9]' "$dir/out") == 3 ]] && grep -q '^0 Jump: 5 lines, 4 pairs' "$dir/out" &&
  grep -q '^1 宏: 0 lines' "$dir/out" && grep -q '^2 Çıkış: 2 lines' "$dir/out" ||
  { echo "FAIL macros: unexpected text"; cat "$dir/out"; fails=$((fails + 1)); }
cp "$dir/before.bin" "$dir/encoded.bin"
check encode 0 "$k8ctl" encode-macros "$record" "$dir/encoded.bin"
changed=$(cmp -l "$dir/before.bin" "$dir/encoded.bin" | awk '{print $1 - 2}')  # record offsets
[[ -n $changed ]] && ! awk '$1 < 384 || $1 >= 384 + 12 * 128 { bad = 1 } END { exit !bad }' <<<"$changed" ||
  { echo "FAIL encode: changed bytes outside the macro images"; fails=$((fails + 1)); }
cp "$dir/encoded.bin" "$dir/encoded-before.bin"
check encode-no-record 2 "$k8ctl" encode-macros "$dir/nope.ini" "$dir/encoded.bin"
check encode-wrong-size 2 "$k8ctl" encode-macros "$record" "$dir/short.bin"
cmp -s "$dir/encoded.bin" "$dir/encoded-before.bin" && cmp -s "$dir/short.bin" <(head -c 1985 "$dir/before.bin") ||
  { echo "FAIL encode: a refused encode changed a file"; fails=$((fails + 1)); }

echo "$((22 - fails)) passed, $fails failed"
((fails == 0))
