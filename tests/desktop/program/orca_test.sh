#!/usr/bin/env bash
# What a blind player hears: the game under the Orca screen reader in a private desktop session,
# played by keyboard alone, in Japanese and in English: the title and the prologue, the hero
# choice, the status key, a purchase, a night at the inn, fights until one is won and one lost.
# Asserts on Orca's spoken words.
#
#   orca_test.sh GAME [LANGUAGE...]      LANGUAGE ja and/or en (default both)
#
# Exits 77 when Orca is not installed. Ends whatever it started however it ends, and gives up
# after 1100 s, before ctest's limit.
set -euo pipefail
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
languages=("$@")
[ ${#languages[@]} -eq 0 ] && languages=(ja en)
session=$(cd "$(dirname "$0")" && pwd)/orca_session.sh
command -v orca >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: orca is not installed"; exit 77; }
for tool in Xvfb xdotool openbox pulseaudio dbus-launch localedef; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps.sh test)"; exit 1; }
done
. "$(dirname "$0")/../../support/processes.sh" 1100

work=$(mktemp -d)
lang=""
on_exit '[ -z "$lang" ] || "$session" stop "$work/$lang"; rm -rf "$work"'
status=0
for lang in "${languages[@]}"; do
    case $lang in ja) locale=ja_JP.UTF-8 ;; en) locale=en_US.UTF-8 ;; *) echo "unknown language $lang" >&2; exit 2 ;; esac
    dir=$work/$lang
    "$session" start "$dir" "$locale" >/dev/null &
    wait $!
    # The game in the build folder, where its catalogues lie beside it.
    (cd "$(dirname "$game")" && "$session" run "$dir" "$game" --language "$lang" >/dev/null)
    # In the background, so that a signal reaches this script at once.
    DIR=$dir LANGUAGE_CODE=$lang /usr/bin/python3 "$(dirname "$0")/orca_play.py" &
    wait $! || status=1
    "$session" stop "$dir" >/dev/null 2>&1 || true
done
exit $status
