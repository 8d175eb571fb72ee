#!/usr/bin/env bash
# What Vextral costs while nobody uses it: its CPU time and its threads' context switches (each
# one a wake-up) over the same stretch (VX_IDLE_SECONDS, 60 by default) in a desktop with a
# taskbar, beside minimal.exe started in the same desktop and measured over the same stretch:
# the plain window with a message loop, and the same window with one or two timers of one
# second that each find the taskbar and read its rectangle. Once with the player closed, once
# with it shown and stopped, once while a track plays.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/wine-session.sh"
source "$here/lib.sh"
source "$here/../tests/e2e/lib.sh"
seconds=${VX_IDLE_SECONDS:-60}
vx_session_start
trap vx_session_stop EXIT
vx_desktop_start
app="$WINEPREFIX/drive_c/Vextral"
mkdir -p "$app"
cp "$VX_BUILD/win/vextral.exe" "$VX_BUILD/win/bench/minimal.exe" "$app/"
make_wav "$app/long.wav" $((3 * seconds))
printf 'C:\\Vextral\\long.wav\r\n' >"$app/Last.m3u"

# The baselines first: their stay-on-top windows stand where the bar docks, and the bar, made
# after them, stands above them as it would above any older window.
for timers in "" 1 2; do vx_desktop "C:\\Vextral\\minimal.exe" $timers; done
vx_desktop 'C:\Vextral\vextral.exe'
vx_probe wait TForm1 20000 >/dev/null
pid_of() { session_pids "^C:.Vextral.$1\$" | head -n 1; }
for _ in $(seq 60); do
    vx=$(pid_of vextral.exe) plain=$(pid_of minimal.exe) one=$(pid_of 'minimal.exe 1') two=$(pid_of 'minimal.exe 2')
    [ -n "$vx" ] && [ -n "$plain" ] && [ -n "$one" ] && [ -n "$two" ] && break
    sleep 0.5
done
[ -n "$two" ] && [ -n "$one" ] && [ -n "$plain" ] && [ -n "$vx" ] || { note "idle: a program did not start"; exit 1; }
sleep 3 # past the start

# CPU ticks (user and system) and context switches of all threads, as "ticks switches".
sample() {
    local ticks switches=0 f
    ticks=$(awk '{print $14 + $15}' "/proc/$1/stat")
    for f in /proc/"$1"/task/*/status; do
        switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$f")))
    done
    echo "$ticks $switches"
}
hz=$(getconf CLK_TCK)
# Measures the programs named (vx plain one two by default) over the same stretch; sets
# cpu_NAME (s a minute) and cs_NAME (switches a second).
measure() {
    local -A t0 s0
    local name t s names=("${@:-vx}")
    [ $# -eq 0 ] && names=(vx plain one two)
    for name in "${names[@]}"; do read -r "t0[$name]" "s0[$name]" < <(sample "${!name}"); done
    sleep "$seconds"
    for name in "${names[@]}"; do
        read -r t s < <(sample "${!name}")
        printf -v "cpu_$name" '%.2f' "$(awk -v d=$((t - t0[$name])) -v hz="$hz" -v sec="$seconds" 'BEGIN{print d / hz * 60 / sec}')"
        printf -v "cs_$name" '%.1f' "$(awk -v d=$((s - s0[$name])) -v sec="$seconds" 'BEGIN{print d / sec}')"
    done
}
over() { awk -v a="$1" -v b="$2" 'BEGIN{if (b == 0) print "-"; else printf "%.2f", a / b}'; }
rows() { # rows STATE
    if [ "$1" = playing ]; then # beside the window with two polling timers
        row "CPU, $1 (s/min)" "$cpu_vx" "$cpu_two" "$(over "$cpu_vx" "$cpu_two")" "<= 1 (window, 2 timers)"
        row "wake-ups, $1 (switches/s)" "$cs_vx" "$cs_two" "$(over "$cs_vx" "$cs_two")" "<= 1 (window, 2 timers)"
        # What any program costs that plays the same file through MCI: Wine's audio path.
        row "CPU, $1, vs MCI alone (s/min)" "$cpu_vx" "$cpu_mci" "$(over "$cpu_vx" "$cpu_mci")" "-"
        row "wake-ups, $1, vs MCI alone (/s)" "$cs_vx" "$cs_mci" "$(over "$cs_vx" "$cs_mci")" "-"
    else # beside the plain window, and the window with one polling timer
        row "idle CPU, $1 (s/min)" "$cpu_vx" "$cpu_plain" \
            "+$(awk -v a="$cpu_vx" -v b="$cpu_plain" 'BEGIN{printf "%.2f", a - b}')" "<= +0.05 (plain window)"
        row "wake-ups, $1 (switches/s)" "$cs_vx" "$cs_one" "$(over "$cs_vx" "$cs_one")" "<= 1 (window, 1 timer)"
    fi
    note "idle, $1: plain window $cpu_plain s/min $cs_plain/s; 1 timer $cpu_one s/min $cs_one/s;" \
        "2 timers $cpu_two s/min $cs_two/s"
}

header
measure
rows "player closed"
show_player >/dev/null || note "idle: the player did not show"
# Nobody touches it: the mouse leaves the button it pressed, whose tip would otherwise keep
# the tooltip's own timers running.
xdotool mousemove 600 300
sleep 5
measure
rows "player shown"
read -r lx ly _ _ <<<"$(vx_probe crect TForm8 8003 | clean)"
xdotool mousemove $((lx + 30)) $((ly + 6)) click --repeat 2 --delay 80 1 # the track plays
xdotool mousemove 600 300
vx_desktop 'C:\Vextral\minimal.exe' 'C:\Vextral\long.wav'
for _ in $(seq 20); do mci=$(pid_of 'minimal.exe C:.Vextral.long.wav') && [ -n "$mci" ] && break; sleep 0.5; done
[ -n "$mci" ] || { note "idle: the MCI window did not start"; exit 1; }
sleep 2
measure vx plain one two mci
rows "playing"
