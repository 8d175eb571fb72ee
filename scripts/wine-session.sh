#!/usr/bin/env bash
# Source this file to get a Wine session: an X display, a Wine prefix, a PulseAudio null sink,
# and a Russian locale (ANSI code page 1251) built into a private folder.
#
#   vx_russian_locale           use the Russian locale (Wine's ANSI code page 1251)
#   vx_locale NAME              use the locale NAME.UTF-8, e.g. ja_JP (code page 932), made
#                               when missing; fails when it cannot be made. Wine reads the
#                               locale when each of its processes starts
#   vx_session_start [PREFIX]   start the display and audio, prepare the prefix
#   vx_desktop_start            start the "shell" desktop with a taskbar
#   vx_desktop PROGRAM [ARGS]   start a Windows program in that desktop
#   vx_probe ARGS               run the end-to-end probe in that desktop
#   vx_session_stop             end every process the session started and delete a
#                               prefix that vx_session_start made up itself
VX_ROOT=${VX_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
VX_BUILD=${VX_BUILD:-$VX_ROOT/build}
VX_PROBE="$VX_BUILD/win/tests/e2e/probe/vxprobe.exe"
VX_DESKTOP_SIZE=${VX_DESKTOP_SIZE:-1024x768}
# The desktop's name: "shell" gets Wine's taskbar, any other name a desktop without the shell.
export VX_DESKTOP=${VX_DESKTOP:-shell}
VX_PIDS=()

vx_locale() {
    local dir="${VX_LOCALE_DIR:-$HOME/.cache/vextral/locale}"
    if [ ! -d "$dir/$1.UTF-8" ]; then
        mkdir -p "$dir"
        localedef -i "$1" -f UTF-8 "$dir/$1.UTF-8" 2>/dev/null || true
    fi
    [ -d "$dir/$1.UTF-8" ] || return 1
    export LOCPATH="$dir"
    export LC_ALL="$1.UTF-8" 2>/dev/null
}

vx_russian_locale() { vx_locale ru_RU || true; }

vx_session_start() {
    export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -n "${1:-}" ]; then
        export WINEPREFIX=$1
    else
        # A throwaway prefix (some hundred megabytes): vx_session_stop deletes it again.
        VX_OWNED_DIR=$(mktemp -d) || return 1
        export WINEPREFIX=$VX_OWNED_DIR/pfx
    fi
    if [ -z "${DISPLAY:-}" ] || [ "${VX_OWN_DISPLAY:-1}" = 1 ]; then
        # Xvfb picks a free display itself and names it once it takes connections, so sessions
        # started side by side never race for one.
        local n="" number
        number=$(mktemp)
        Xvfb -displayfd 3 -screen 0 "${VX_DESKTOP_SIZE}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
        VX_PIDS+=($!)
        for _ in $(seq 100); do
            n=$(tr -dc 0-9 <"$number")
            [ -n "$n" ] && break
            sleep 0.1
        done
        rm -f "$number"
        export DISPLAY=":$n"
    fi
    if command -v pulseaudio >/dev/null && ! pulseaudio --check 2>/dev/null; then
        pulseaudio -D --exit-idle-time=-1 -n --load="module-null-sink sink_name=null" \
            --load="module-native-protocol-unix" >/dev/null 2>&1 || true
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$(dirname "$WINEPREFIX")"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    # Debian's Wine ships Marlett (the font of the caption buttons) but does not find it by
    # itself; without it a window's close button shows a plain "r".
    local marlett=/usr/share/wine/fonts/marlett.ttf
    if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
}

# Starts the "shell" desktop with its taskbar and waits for the taskbar; programs started with
# vx_desktop join it, and it outlives them.
vx_desktop_start() {
    wine explorer /desktop="$VX_DESKTOP","$VX_DESKTOP_SIZE" >/dev/null 2>&1 &
    VX_PIDS+=($!)
    if [ "$VX_DESKTOP" = shell ]; then
        vx_probe wait Shell_TrayWnd 30000 >/dev/null
    else
        vx_probe wait nothing 1500 >/dev/null # waits for the desktop to exist
    fi
}

vx_desktop() {
    wine explorer /desktop="$VX_DESKTOP","$VX_DESKTOP_SIZE" "$@" >/dev/null 2>&1 &
    VX_PIDS+=($!)
}

# Run in the background and waited for: a signal with a trap (Ctrl-C in scripts/run.sh) then
# ends the wait at once, where a command in the foreground would be waited for first, and a
# probe whose display has just gone (Ctrl-C ends Xvfb too) takes some 20 s to give up.
vx_probe() {
    wine "$VX_PROBE" "$@" &
    wait $!
}

vx_session_stop() {
    wineserver -k 2>/dev/null || true
    local p
    for p in "${VX_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    VX_PIDS=()
    if [ -n "${VX_OWNED_DIR:-}" ]; then
        wineserver -w 2>/dev/null || true
        rm -rf "$VX_OWNED_DIR"
        VX_OWNED_DIR=
    fi
}
