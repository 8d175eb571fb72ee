#!/usr/bin/env bash
# A seeded monkey: random real mouse presses and keys on Vextral's windows. Afterwards the
# program must be alive and answering, every error box must be one the inputs explain, and the
# settings key, Dirs.vxl and Last.m3u must be valid. Every question is answered "&No" at once,
# so neither Windows nor Vextral is ever shut down; the prefix has no screen saver.
#   VX_MONKEY_COUNT (default 300), VX_MONKEY_SEED (default 20261208)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
count=${VX_MONKEY_COUNT:-300}
seed=${VX_MONKEY_SEED:-20261208}
RANDOM=$seed
shots=${VX_SHOTS:-$VX_BUILD/screenshots}
mkdir -p "$shots"

vx_russian_locale
vx_session_start
trap vx_session_stop EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveActive /t REG_SZ /d 0 /f >/dev/null 2>&1
vx_desktop_start
app="$WINEPREFIX/drive_c/Vextral"
mkdir -p "$app"
cp "$VX_BUILD/win/vextral.exe" "$app/"
# The monkey's probe runs once for the whole run and answers one command a line (a Wine process
# costs a good part of a second to start); monkey COMMAND prints the answer and returns its code.
coproc MONKEY { wine "$VX_BUILD/win/tests/e2e/monkey/monkey_probe.exe" serve 2>/dev/null; }
monkey() {
    local line code=0
    echo "$1" >&"${MONKEY[1]}"
    while IFS= read -r -t 30 line <&"${MONKEY[0]}" || { code=1; false; }; do
        line=${line%$'\r'}
        case "$line" in
        .) break ;;
        ". "*) code=${line#. }; break ;;
        *) echo "$line" ;;
        esac
    done
    return "$code"
}

echo "monkey: $count actions, seed $seed"
vx_desktop 'C:\Vextral\vextral.exe'
vx_probe wait TForm1 20000 >/dev/null
log="$VX_BUILD/monkey.log"
: >"$log"
keys=(Left Right Up Down Delete Tab Escape Return space)
windows=$(monkey windows)
for ((i = 1; i <= count; i++)); do
    if ((i % 5 == 1)); then
        windows=$(monkey windows)
    fi
    [ -n "$windows" ] || windows="3 748 50 24 TForm1"
    n=$(echo "$windows" | wc -l)
    line=$(echo "$windows" | sed -n "$((RANDOM % n + 1))p")
    read -r x y w h _ <<<"$line"
    px=$((x + 2 + RANDOM % (w > 4 ? w - 4 : 1)))
    py=$((y + 2 + RANDOM % (h > 4 ? h - 4 : 1)))
    roll=$((RANDOM % 100))
    if ((roll < 55)); then
        xdotool mousemove "$px" "$py" click 1
    elif ((roll < 75)); then
        xdotool mousemove "$px" "$py" click 3
    elif ((roll < 80)); then
        xdotool mousemove "$px" "$py" click 2
    else
        xdotool key "${keys[$((RANDOM % ${#keys[@]}))]}"
    fi
    sleep 0.05
    monkey tidy >>"$log"
done
sleep 0.5
monkey tidy >>"$log"
import -window root "$shots/monkey_end.png"

check "Vextral is alive and answering" monkey alive
# The boxes the inputs explain: notices of the drive dialog, file and media errors.
unexplained=$(grep '^box ' "$log" | grep -vE 'Диск . установлен по умолчанию|File not found|Cannot create file|No MCI device open|File access denied|Invalid filename' || true)
check_eq "no unexplained error box" "" "$unexplained"
check "the settings key holds a DWORD AutoRun" test -n "$(reg_value AutoRun | grep REG_DWORD)"
for v in CDROM Drive; do
    check "$v holds one letter" bash -c "[[ '$(reg_value $v | cut -d' ' -f2)' =~ ^[A-Z]?$ ]]"
done
if [ -f "$app/Dirs.vxl" ]; then
    check "Dirs.vxl holds whole records" test $(($(stat -c %s "$app/Dirs.vxl") % 101)) -eq 0
fi
if [ -f "$app/Last.m3u" ]; then
    check "Last.m3u ends its lines with CR LF" bash -c "! grep -qv \$'\\r\$' '$app/Last.m3u'"
fi
echo "questions answered: $(grep -c '^question' "$log"), boxes: $(grep -c '^box' "$log"), dialogs: $(grep -c '^dialog' "$log")"
summary
