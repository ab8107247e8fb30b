#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing the game need, when missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config libgtest-dev
    qt6-base-dev qt6-svg-dev libgl1-mesa-dev
    fonts-ipafont-gothic gettext
    abcmidi sox espeak-ng fluidsynth fluid-soundfont-gm timgm6mb-soundfont
    libfluidsynth-dev libsndfile1-dev pulseaudio pulseaudio-utils
    clang libclang-rt-14-dev clang-format clang-tidy sound-theme-freedesktop
    xvfb xauth xdotool x11-utils imagemagick
    desktop-file-utils appstream lintian dpkg-dev file man-db
    openbox at-spi2-core python3-pyatspi dbus-daemon
)

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
