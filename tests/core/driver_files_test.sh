#!/usr/bin/env bash
# The driver takes what a shell gives it and meets hostile input calmly: a regular file or a pipe
# (`|`, `<(…)`, a FIFO) within the size limit is read as a script, its last line with or without a
# newline; a directory, a device, a huge file or an endless pipe is refused in one line, status 2,
# with nothing played; standard input that never ends a line stops at the line limit.
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

# Runs the driver on FILE and expects status 0 and the output OUT.
played() {
    local out=$1 file=$2
    timeout 20 "$driver" "$file" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq 0 ] || fail "$file: status $status: $(head -c 300 "$work/err")"
    [ "$(cat "$work/out")" = "$out" ] || fail "$file: printed '$(head -c 300 "$work/out")', not '$out'"
    return 0
}

printf 'set Gold 7\nprint Gold' >"$work/unended"
played 7 "$work/unended"
played 7 /dev/stdin <"$work/unended"
printf 'click Label3' | played "ignored: Label3 is hidden" /dev/stdin || exit 1
played 7 <(printf 'set Gold 7\nprint Gold')
mkfifo "$work/fifo"
timeout 20 sh -c 'printf "set Gold 7\nprint Gold\n" >"$1"' - "$work/fifo" &
played 7 "$work/fifo"
wait $! || fail "the FIFO's writer was never read"
echo "files, unended lines, pipes and FIFOs played"

mkdir "$work/folder"
ln -s /dev/zero "$work/zero"
truncate -s 65M "$work/huge"
refused "verminadia-script: cannot read $work/folder: it is a directory" "$work/folder"
refused "verminadia-script: cannot read /dev/zero: it is neither a regular file nor a pipe" /dev/zero
refused "verminadia-script: cannot read $work/zero: it is neither a regular file nor a pipe" "$work/zero"
refused "verminadia-script: cannot read $work/huge: it is larger than 64 MiB" "$work/huge"
# A pipe that never ends is read to the limit only, and not a line of it is played.
refused "verminadia-script: cannot read /dev/stdin: it is larger than 64 MiB" /dev/stdin \
    <(printf 'print Gold\n' && tr '\0' '\n' </dev/zero)
refused "verminadia-script: cannot read $work/none: No such file or directory" "$work/none"
refused "line 1: longer than 4096 bytes" "" /dev/zero
printf 'click \033[2J\n' >"$work/escape"
refused "line 1: unknown widget '\\x1b[2J'" "$work/escape"
echo "hostile input refused"
