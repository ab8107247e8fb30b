#!/usr/bin/env bash
# verminadia-a11y on a fight: one JSON object a line, every widget there with its object name,
# and the screen read as the player sees it: the message lines by their text, the opponent by
# its name, the commands as focusable buttons, and no name that is a widget's.
set -euo pipefail
tool=$1
script=$2
out=$("$tool" "$script" 2>/dev/null)
fail() { echo "FAIL: $*"; echo "$out"; exit 1; }
lines=$(grep -c . <<<"$out")
[ "$(grep -c '^{"object":"[A-Za-z0-9]*","name":".*","role":"[A-Za-z]*","showing":\(true\|false\),"focusable":\(true\|false\)}$' <<<"$out")" -eq "$lines" ] ||
    fail "a line is not one object of the five fields"
[ "$lines" -eq 179 ] || fail "expected the window and its 178 widgets, got $lines lines"
line() { grep -F "{\"object\":\"$1\"," <<<"$out"; }
line Form1 | grep -qF '"name":"ヴェルミナーディア外伝","role":"Window"' || fail "the window"
line Label32 | grep -qF '"name":"対戦相手は100円マンです！！","role":"StaticText","showing":true' || fail "the second line"
line Panel5 | grep -qF '"role":"Section","showing":true,"focusable":true' || fail "the message panel"
line Image6 | grep -qF '"name":"100円マン","role":"Graphic","showing":true' || fail "the opponent"
line Label45 | grep -qF '"name":"攻撃","role":"Button","showing":true,"focusable":true' || fail "the attack command"
if grep -q '"name":"\(Label\|Panel\|Image\|Button\|Edit\)[0-9]' <<<"$out"; then fail "a name is a widget's"; fi
echo "a11y tool ok"
