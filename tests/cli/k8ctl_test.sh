#!/usr/bin/env bash
# k8ctl from the outside: the shipped config, a simulated Apply, and bad input.
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

head -c 1985 "$dir/config.bin" >"$dir/short.bin"
check missing 2 "$k8ctl" show "$dir/nope.bin"
check wrong-size 2 "$k8ctl" show "$dir/short.bin"
check directory 2 "$k8ctl" show "$dir"
check bad-sensor 2 "$k8ctl" show --sensor-type x "$dir/config.bin"
check bad-option 2 "$k8ctl" apply --simulate --trace - --bogus "$dir/config.bin"
check no-simulate 2 "$k8ctl" apply --trace - "$dir/config.bin"
check unknown 2 "$k8ctl" frobnicate
check unwritable-out 2 "$k8ctl" init-config "$dir/no/such/folder/config.bin"
cmp -s "$dir/short.bin" <(head -c 1985 "$dir/before.bin") || { echo "FAIL input modified"; fails=$((fails + 1)); }

echo "$((13 - fails)) passed, $fails failed"
((fails == 0))
