#!/usr/bin/env bash
# Starts Vextral in a Wine desktop with a taskbar, installing and building what it needs first.
# Settings and files live in a Wine prefix under ~/.local/share/vextral, so they survive
# between runs. Without a display it starts a virtual one, saves a screenshot of the desktop
# to build/screenshot.png once the bar is docked, and keeps Vextral running until Ctrl-C.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/packages.sh
VX_WIN_ONLY=1 bash scripts/build.sh >/dev/null
source scripts/wine-session.sh
vx_russian_locale
prefix="${XDG_DATA_HOME:-$HOME/.local/share}/vextral/wineprefix"
if [ -n "${DISPLAY:-}" ]; then
    VX_OWN_DISPLAY=0
fi
# Ctrl-C (or TERM) ends the script at once, and leaving it in any way stops everything the
# session started: the display, Wine's processes, Vextral.
export WINEPREFIX=$prefix
trap 'exit 130' INT TERM
trap vx_session_stop EXIT
vx_session_start "$prefix"
app="$WINEPREFIX/drive_c/Vextral"
mkdir -p "$app"
cp build/win/vextral.exe "$app/"
vx_desktop_start
vx_desktop 'C:\Vextral\vextral.exe'
if vx_probe wait TForm1 30000 >/dev/null; then
    echo "Vextral is running (Wine prefix: $WINEPREFIX, display $DISPLAY)."
else
    echo "Vextral did not start." >&2
    exit 1
fi
if [ "${VX_OWN_DISPLAY:-1}" = 1 ]; then
    sleep 1
    import -window root "$root/build/screenshot.png"
    echo "Screenshot of the desktop: build/screenshot.png"
fi
echo "Press Ctrl-C to stop."
while vx_probe rect TForm1 >/dev/null 2>&1; do sleep 2; done
