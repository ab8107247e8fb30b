#!/bin/bash
# Figures of the sound path, each against its reference measured in the same run:
#  1. levels: every rendered tune and effect through the mixer offline, and as heard through the
#     sound server (the null sink's monitor, recorded with parec)
#  2. CPU while the title waits with a sound server running: the game vs the fluidsynth command
#     line idle on the same server (target < 0.5 % of a core)
#  3. CPU while a town theme plays: the game's mixer and stream playing the rendered tune vs the
#     fluidsynth command line playing the MIDI file with the same period settings (target <= 0.3)
#  4. from play() to the first sample of an effect, the stream running and the stream resting
#     (target <= 50 ms)
#  5. start-up to the window on screen and resident memory on the title and in town, vs an empty
#     Qt window (targets <= 1.06 x and <= +35 MB)
#  6. the package's download: the .deb and what it depends on beyond Qt and the font (<= 15 MB)
#  7. optionally, the loading fuzzers for FUZZ_SECONDS each
# Runs its own PulseAudio with a null sink (no sound card needed).
#   usage: bench/audio/run.sh BUILD_DIR [SECONDS]
#   LEVEL_SECONDS (default 20): how much of each tune is recorded as heard
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-15}
level_seconds=${LEVEL_SECONDS:-20}
here=$(cd "$(dirname "$0")" && pwd)
table=$here/../../music/sounds.tsv
# The file of a sound, by its meaning in the sound table.
file_of() { awk -F'\t' -v m="$1" '!/^#/ && index("," $1 ",", "," m ",") { print $3 }' "$table"; }
cd "$build"
make -s verminadia verminadia-audio-bench verminadia-bench-startup verminadia-bench-window verminadia_sounds >/dev/null

. "$here/../../tests/audio/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; pulseaudio --kill 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
null_sink_start "$work"

font=""
for f in /usr/share/sounds/sf2/FluidR3_GM.sf2 /usr/share/sounds/sf2/TimGM6mb.sf2 /usr/share/sounds/sf2/default-GM.sf2; do
    [ -f "$f" ] && { font=$f; break; }
done
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# A standard input that stays open and says nothing: the fluidsynth shell waits on it, idle.
mkfifo "$work/stdin"
sleep 100000 >"$work/stdin" &
pids+=($!)
# CPU seconds of a process over $seconds, after 2 s for loading.
measure() {
    "$@" <"$work/stdin" >/dev/null 2>&1 &
    local pid=$!
    pids+=("$pid")
    sleep 2
    local a; a=$(cpu "$pid")
    sleep "$seconds"
    local b; b=$(cpu "$pid")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v a="$a" -v b="$b" -v t="$ticks" 'BEGIN{printf "%.3f", (b-a)/t}'
}
db() { awk -v v="$1" 'BEGIN { printf "%.1f", 20 * log(v) / log(10) }'; }

echo "== levels through the mixer, offline, of the rendered files"
./verminadia-audio-bench levels "$level_seconds"

echo "== levels as heard at the sound server (tunes: their first $level_seconds s; effects: whole)"
printf "%-26s %8s %8s\n" file RMS peak
mapfile -t files < <(awk -F'\t' '!/^#/ && NF { print $3 }' "$table")
for f in "${files[@]}"; do
    case $f in *.mid) length=$((level_seconds + 3)) ;; *) length=5 ;; esac
    parec -d test.monitor --raw --format=s16le --rate=44100 --channels=2 >"$work/heard.raw" &
    rec=$!
    ./verminadia-audio-bench play "$f" "$length" >/dev/null 2>&1
    kill "$rec"; wait "$rec" 2>/dev/null || true
    # From the first sound on: the recording starts with the loading and the stream's start.
    sox -V1 -t raw -r 44100 -e signed -b 16 -c 2 "$work/heard.raw" "$work/heard.wav" silence 1 1 -70d
    # To its end, or to $level_seconds: a tune or effect shorter than that is not measured with
    # the silence after it.
    sox -V1 "$work/heard.wav" "$work/cut.wav" trim 0 "$level_seconds" reverse silence 1 1 -70d reverse
    rms=$(sox "$work/cut.wav" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
    peak=$(sox "$work/cut.wav" -n stats 2>&1 | awk '/Pk lev dB/ {print $4}')
    printf "%-26s %8s %8s\n" "$f" "$rms" "$peak"
done

echo "== CPU while the title waits, sound server running, $seconds s"
ref=$(measure fluidsynth -a pulseaudio -z 512 -c 2 -r 44100 -q -n "$font")
echo "fluidsynth command line, idle at its shell: ${ref} s CPU, $(awk -v a="$ref" -v s="$seconds" 'BEGIN{printf "%.2f", 100*a/s}') % of a core"
for _ in 1 2 3; do
    xvfb-run -a -n $((300 + RANDOM % 600)) -s "-screen 0 1024x768x24" bash "$here/idle.sh" "$build" "$seconds" && break
done

tune=$(file_of TorubaTheme)
echo "== CPU while \"$tune\" plays, $seconds s"
ref=$(measure fluidsynth -a pulseaudio -z 512 -c 2 -r 44100 -i -q -n "$font" "$tune")
ours=$(measure ./verminadia-audio-bench play "$tune" $((seconds + 5)))
echo "fluidsynth command line: ${ref} s CPU; the game's mixer: ${ours} s CPU; ratio $(awk -v a="$ours" -v b="$ref" 'BEGIN{printf "%.2f", a/b}') (target <= 0.3)"

effect=$(file_of Sword)
echo "== from play() to the first sample of \"$effect\""
./verminadia-audio-bench latency "$effect" 40 &
pids+=($!)
sleep 3
echo "the sound server's own figures for the stream:"
pactl list sink-inputs | grep -E "Buffer Latency|Sink Latency" | sed 's/^[[:space:]]*/  /'
wait "${pids[-1]}"

echo "== start-up and memory under Xvfb"
# xvfb-run -a can lose the race for a display number to another X server starting at once.
for _ in 1 2 3; do
    xvfb-run -a -n $((300 + RANDOM % 600)) -s "-screen 0 1024x768x24" bash "$here/startup.sh" "$build" "${RUNS:-7}" && break
done

echo "== the package's download"
bash "$here/package_size.sh" "$build"

if [ -n "${FUZZ_SECONDS:-}" ]; then
    echo "== fuzzers, $FUZZ_SECONDS s each"
    "$here/fuzz.sh" "$build/audio-fuzz" "$FUZZ_SECONDS"
fi
