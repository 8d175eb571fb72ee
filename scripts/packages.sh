#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. As root it installs what is
# missing; otherwise it prints the one command to run.
set -euo pipefail
PACKAGES=(cmake g++ googletest g++-mingw-w64-x86-64 wine64 wine xvfb xdotool imagemagick pulseaudio fonts-wine locales clang libclang-rt-14-dev nsis zip unzip lame gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-plugins-ugly flac opus-tools vorbis-tools ffmpeg)
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:"
    echo "  apt-get update && apt-get install -y ${missing[*]}"
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
