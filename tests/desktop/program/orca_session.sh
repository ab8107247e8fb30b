#!/usr/bin/env bash
# The Orca test's desktop: a private session (Xvfb, session bus, openbox, a PulseAudio null sink,
# the AT-SPI bus) with the Orca screen reader, whose spoken words are read back from its debug log.
# Xvfb runs with -noreset: a window manager that connects as its first client leaves stays up.
#
#   orca_session.sh start DIR [LOCALE]     start the session in DIR (empty or new), Orca speaking
#                                        LOCALE (default ja_JP.UTF-8; en_US.UTF-8 for English);
#                                        prints the DISPLAY. Needs: apt-get install orca
#                                        speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
#                                        at-spi2-core dbus-x11 xvfb xdotool openbox pulseaudio
#                                        locales
#   orca_session.sh run DIR CMD ARGS...    start CMD (the game) inside the session, in the background
#   orca_session.sh keys DIR WAIT KEY...   press each KEY (xdotool names: Tab, Return, space, Menu,
#                                        or 'none'), wait WAIT seconds, print what Orca said since
#                                        the last call, one utterance a line
#   orca_session.sh said DIR               everything Orca said so far
#   orca_session.sh stop DIR               end every process the session started, and wait till
#                                        they are gone
#
# Every process of the session, the daemons it forks and the speech server Orca spawns included,
# has VERMINADIA_ORCA_SESSION=DIR in its environment: stop ends them by it. A test sources
# tests/support/processes.sh as well, so that they end when it is killed too. Orca speaks the
# locale asked for whatever the caller's LANGUAGE and LC_* say.
#
# Orca 43 buffers its debug log; a copy of it with a line-buffered log is made in DIR. Orca reads
# a text only when the application sends an accessibility event that Orca handles: what is
# printed here is what a player hears.
set -euo pipefail
cmd=${1:?usage: orca_session.sh start|run|keys|said|stop DIR ...}; dir=${2:?DIR}; shift 2
mkdir -p "$dir"; dir=$(cd "$dir" && pwd)
env_of() {
  export VERMINADIA_ORCA_SESSION=$dir DISPLAY=$(cat "$dir/display") HOME=$dir/home XDG_RUNTIME_DIR=$dir/run
  export XDG_CONFIG_HOME=$dir/home/.config XDG_STATE_HOME=$dir/home/.local/state XDG_DATA_HOME=$dir/home/.local/share
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LOCPATH=$dir/locale
  . "$dir/dbus.env"
}
speech() { # LOG POSFILE: utterances after the offset in POSFILE, which moves past them
  /usr/bin/python3 - "$1" "$2" <<'PY'
import re, sys
start = int(open(sys.argv[2]).read() or 0)
data = open(sys.argv[1], "rb").read()[start:]
whole = data.rfind(b"\n") + 1
open(sys.argv[2], "w").write(str(start + whole))
text = data[:whole].decode("utf-8", "replace")
for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'( voice=\w+)?\s*(?:\[?\{'established|$)", text, re.S | re.M):
    print(re.sub(r"\n {18}", " / ", m.group(1)).replace("\n", " / "))
PY
}
session_processes() {
  grep -lzsxF "VERMINADIA_ORCA_SESSION=$dir" /proc/[0-9]*/environ | cut -d/ -f3 | grep -vxF "$$" || true
}
case $cmd in
start)
  locale=${1:-ja_JP.UTF-8}
  export VERMINADIA_ORCA_SESSION=$dir
  for v in $(compgen -e); do case $v in LANGUAGE | LC_*) unset "$v" ;; esac; done
  export LANG=$locale
  mkdir -p "$dir/home" "$dir/run" "$dir/locale"; chmod 700 "$dir/run"
  [ -d "$dir/locale/$locale" ] || localedef -i "${locale%%.*}" -f UTF-8 "$dir/locale/$locale"
  for _ in 1 2 3 4 5 6 7 8; do
    d=$((300 + RANDOM % 400)); [ -e /tmp/.X11-unix/X$d ] && continue
    Xvfb :$d -screen 0 1024x768x24 -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
    for _ in $(seq 300); do DISPLAY=:$d xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.2; done
    DISPLAY=:$d xdotool getdisplaygeometry >/dev/null 2>&1 && { echo ":$d" >"$dir/display"; break; }
  done
  [ -s "$dir/display" ] || { echo "orca_session.sh: waited for Xvfb to answer, 60 s on each of 8 displays" >&2; exit 1; }
  export DISPLAY=$(cat "$dir/display")
  waited() { echo "orca_session.sh: waited $1" >&2; tail -n 5 "$2" >&2; exit 1; }
  dbus-launch --sh-syntax >"$dir/dbus.env"; . "$dir/dbus.env"
  env_of
  openbox >"$dir/openbox.log" 2>&1 &
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit -L module-null-sink \
    -L "module-native-protocol-unix auth-anonymous=1" -L module-always-sink >"$dir/pulse.log" 2>&1 &
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$dir/atspi.log" 2>&1 &
  for i in $(seq 300); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    [ "$i" -lt 300 ] || waited "30 s for the accessibility bus" "$dir/atspi.log"; sleep 0.1
  done
  # Orca with a line-buffered log; this private desktop's Orca neither refuses to start beside
  # another user's nor stops theirs.
  sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
      -e "s/^    if otherOrcas():$/    if False:/" /usr/bin/orca >"$dir/orca"
  /usr/bin/python3 "$dir/orca" --debug-file="$dir/orca.log" >"$dir/orca.out" 2>&1 &
  for i in $(seq 300); do
    grep -q "SPEECH OUTPUT" "$dir/orca.log" 2>/dev/null && break
    [ "$i" -lt 300 ] || waited "60 s for Orca to speak" "$dir/orca.out"; sleep 0.2
  done
  echo 0 >"$dir/pos"; echo "$DISPLAY" ;;
run)
  env_of; "$@" >>"$dir/app.out" 2>>"$dir/app.err" & echo $! ;;
keys)
  env_of; wait_s=$1; shift
  for k in "$@"; do [ "$k" = none ] || { xdotool key --delay 80 "$k"; sleep 0.15; }; done
  sleep "$wait_s"
  speech "$dir/orca.log" "$dir/pos" ;;
said) echo 0 >"$dir/all"; speech "$dir/orca.log" "$dir/all" ;;
stop)
  # The session's processes were orphaned when start returned: they are gone only once init reaps
  # them, which some inits do every few seconds; a killed one still answers kill -0 till then.
  for signal in TERM TERM TERM TERM TERM KILL; do
    killed=$(session_processes)
    [ -n "$killed" ] || break
    kill -$signal $killed 2>/dev/null || true
    sleep 1
  done
  for _ in $(seq 150); do
    alive=0; for p in $killed; do [ -e "/proc/$p" ] && alive=1; done
    [ $alive = 0 ] && break; sleep 0.2
  done ;;
*) echo "orca_session.sh: unknown command $cmd" >&2; exit 2 ;;
esac
