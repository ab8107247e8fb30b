#!/usr/bin/env bash
# Installs the Debian packages a task needs, when missing.
#   usage: install-deps.sh [run|package|test|ci|web]
#   run      building the game and playing it (make run, make install)
#   package  and making its Debian package (make package)
#   test     and every test, the browser edition's too (make test, check, sanitize, tsan, bench)
#   ci       and the lint (make lint, make lint-all): everything CI does
#   web      building the browser edition and testing it in Chromium (make web, web-run, web-test)
set -euo pipefail

# Building: the compiler and libraries, the catalogues, the music (rendered through FluidSynth
# with its General MIDI SoundFont, then compressed: the build's alone) and the sound effects.
run=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl1-mesa-dev libpulse-dev libsndfile1-dev libxcb1-dev libfluidsynth-dev
    gettext abcmidi sox espeak-ng fluid-soundfont-gm vorbis-tools
    # Playing: the sound server's client library, the font and the desktop's alert sound.
    libpulse0 fonts-ipafont-gothic sound-theme-freedesktop
)
package=(dpkg-dev file)
test=(
    libgtest-dev
    # The window under a virtual X server, fullscreen with a window manager, a screen reader's bus.
    xvfb xauth xdotool x11-utils imagemagick openbox at-spi2-core python3-pyatspi dbus-daemon
    # What a blind player hears: the Orca screen reader, its speech, a session bus for it, locales.
    orca speech-dispatcher speech-dispatcher-espeak-ng dbus-x11 locales
    # A private sound server, the tunes rendered and measured, the fuzzers (built with clang).
    pulseaudio pulseaudio-utils fluidsynth timgm6mb-soundfont clang libclang-rt-14-dev
    # The menu entry, metainfo, manual page and package checked; the files the packaged game opens.
    desktop-file-utils appstream lintian man-db strace
)
web=(
    # The browser edition: em++, node and npm for its tests, Chromium to play it, its font cut.
    gettext fonts-ipafont-gothic libgtest-dev emscripten nodejs chromium python3-fonttools python3-brotli
)
# npm: Debian's is a package of its own; other builds of nodejs carry it, and conflict with it.
command -v npm >/dev/null || web+=(npm)
ci=(clang-format clang-tidy)

mode=${1:-ci}
case $mode in
    run) packages=("${run[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    test) packages=("${run[@]}" "${package[@]}" "${test[@]}" "${web[@]}") ;;
    ci) packages=("${run[@]}" "${package[@]}" "${test[@]}" "${web[@]}" "${ci[@]}") ;;
    web) packages=("${run[@]}" "${web[@]}") ;;
    *) echo "install-deps.sh: unknown task '$mode' (run, package, test, ci or web)" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
