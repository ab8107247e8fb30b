#!/usr/bin/env bash
# The driver meets hostile input calmly: only a regular file within the size limit is read as a
# script (a directory, a device, a FIFO or a huge file is refused at once, in one line, status 2),
# and standard input that never ends a line stops at the line limit.
set -uo pipefail
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
export HOME="$work/home" XDG_STATE_HOME="$work/home/state" XDG_CONFIG_HOME="$work/home/config"

# Runs the driver on FILE (standard input: INPUT) and expects status 2 and the one line LINE.
refused() {
    local line=$1 file=$2 input=${3:-/dev/null}
    timeout 20 "$driver" ${file:+"$file"} <"$input" >"$work/out" 2>"$work/err"
    local status=$?
    echo "${file:-<$input}: status $status: $(head -c 300 "$work/err")"
    [ "$status" -eq 2 ] || fail "${file:-<$input}: status $status, not 2"
    [ "$(cat "$work/err")" = "$line" ] || fail "${file:-<$input}: said '$(head -c 300 "$work/err")', not '$line'"
    [ -s "$work/out" ] && fail "${file:-<$input}: wrote to standard output"
    return 0
}

mkdir "$work/folder"
mkfifo "$work/fifo"
ln -s /dev/zero "$work/zero"
truncate -s 65M "$work/huge"
refused "verminadia-script: cannot read $work/folder: it is a directory" "$work/folder"
refused "verminadia-script: cannot read /dev/zero: it is not a regular file" /dev/zero
refused "verminadia-script: cannot read $work/zero: it is not a regular file" "$work/zero"
refused "verminadia-script: cannot read $work/fifo: it is not a regular file" "$work/fifo"
refused "verminadia-script: cannot read $work/huge: it is larger than 64 MiB" "$work/huge"
refused "verminadia-script: cannot read $work/none: No such file or directory" "$work/none"
refused "line 1: longer than 4096 bytes" "" /dev/zero
printf 'click \033[2J\n' >"$work/escape"
refused "line 1: unknown widget '\\x1b[2J'" "$work/escape"
echo "hostile input refused"
