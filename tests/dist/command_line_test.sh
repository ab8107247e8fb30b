#!/usr/bin/env bash
# The command line without a display: --help and --version answer and exit 0, a bad option or
# argument is named in one line on standard error with status 2, and nothing else is printed.
set -uo pipefail
game=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Runs the game with no display of any kind and a home of its own; leaves the status in $status.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_STATE_HOME="$work/home/state" \
        XDG_CONFIG_HOME="$work/home/config" timeout 20 "$game" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

for option in --help -h; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option: status $status: $(cat "$work/err")"
    [ -s "$work/err" ] && fail "$option wrote to standard error: $(cat "$work/err")"
    grep -q '^Usage: .*verminadia' "$work/out" || fail "$option: no usage line"
    for listed in --help --version; do
        grep -q -- "$listed" "$work/out" || fail "$option does not list $listed"
    done
done
echo "--help:"; cat "$work/out"

for option in --version -v; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option: status $status"
    [ "$(cat "$work/out")" = "verminadia $version" ] || fail "$option printed '$(cat "$work/out")', not 'verminadia $version'"
    [ -s "$work/err" ] && fail "$option wrote to standard error: $(cat "$work/err")"
done

# Each bad command line: the text its one line must name.
check_refused() {
    local named=$1; shift
    run "$@"
    echo "$*: status $status: $(cat "$work/err")"
    [ "$status" -eq 2 ] || fail "$*: status $status, not 2"
    [ "$(grep -c . "$work/err")" -eq 1 ] || fail "$*: not exactly one line on standard error"
    grep -q "^verminadia: .*'$named'" "$work/err" || fail "$*: the line does not name '$named'"
    [ -s "$work/out" ] && fail "$*: wrote to standard output"
    return 0
}
check_refused --bogus --bogus
check_refused -x -x
check_refused --fullscreen --fullscreen=1
check_refused --bogus --version --bogus
check_refused level5 level5
check_refused -bogus -- -bogus
# An empty file name is no file: refused like a bad one, not a game that quietly records nothing.
check_refused '' --record ''
check_refused '' --replay ''
check_refused 1e-300 --replay x --speed 1e-300
check_refused inf --replay x --speed inf

# The last session's record is the game's: --record cannot name it, under any name, and it is
# left as it was.
last=$work/home/state/verminadia/last-session.script
mkdir -p "$(dirname "$last")"
printf '# verminadia session record\ntick Timer1\n' >"$last"
ln -s "$last" "$work/link"
check_refused "$last" --continue --record "$last"
check_refused "$work/link" --continue --record "$work/link"
check_refused "$work/home/state/../state/verminadia/last-session.script" --record "$work/home/state/../state/verminadia/last-session.script"
[ "$(cat "$last")" = "$(printf '# verminadia session record\ntick Timer1')" ] || fail "the last session's record was touched"

# A record to watch that is no regular file: one line naming why, status 2, at once.
mkdir "$work/folder"
mkfifo "$work/fifo"
for record in "$work/folder" "$work/fifo" /dev/zero; do
    run --replay "$record"
    echo "--replay $record: status $status: $(cat "$work/err")"
    [ "$status" -eq 2 ] || fail "--replay $record: status $status, not 2"
    [ "$(grep -c . "$work/err")" -eq 1 ] || fail "--replay $record: not exactly one line on standard error"
    grep -q "^verminadia: cannot read $record: it is" "$work/err" || fail "--replay $record: the line does not say why"
done
echo "command line ok"
