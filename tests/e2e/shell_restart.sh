#!/usr/bin/env bash
# The bar survives a restart of the shell: a stand-in taskbar is created, destroyed and
# recreated (announcing itself with "TaskbarCreated") in a desktop without Wine's own shell.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VX_DESKTOP=bare
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start

vextral_running() { [ -n "$(session_pids '^C:.Vextral.vextral.exe')" ]; }
vextral_ended() { ! vextral_running; }

echo "shell restart"
standin_start
check_eq "stand-in taskbar up with its Start button" "1 0" "$(vx_probe start | clean)"
vx_desktop 'C:\Vextral\vextral.exe'
check_eq "bar docked at the stand-in's (3, 0)" "3 748 50 24" "$(vx_probe wait TForm1 20000 | clean)"
check_eq "stand-in's Start button hidden" "0 0" "$(vx_probe start | clean)"

kill -9 "$(standin_pid)"
vx_probe gone Shell_TrayWnd 10000
sleep 1.5
check_eq "with the taskbar gone the bar stays, stay-on-top at (3, 0) of the screen" "3 0 50 24" \
    "$(vx_probe rect TForm1 | clean | cut -d' ' -f1-4)"
import -window root "$shots/shell_gone.png"

# The shell comes back somewhere else: the bar moves into the new taskbar.
standin_start 600
sleep 1.5
check_eq "bar docked into the new taskbar" "3 600 50 24" "$(vx_probe rect TForm1 | clean | cut -d' ' -f1-4)"
check_eq "the new Start button is hidden" "0 0" "$(vx_probe start | clean)"
import -window root "$shots/shell_back.png"

vx_probe close TForm1 >/dev/null
check "the bar closes on request" vx_probe gone TForm1 10000
sleep 0.5
check_eq "exit shows the new Start button" "1 0" "$(vx_probe start | clean)"

# As on Windows: the bar is the taskbar's child, so the shell's end destroys it (under Wine
# without a message to the bar). The program runs on and docks into the next taskbar.
echo "shell restart with the bar docked as the taskbar's child"
VEXTRAL_TEST_CHILD_DOCK=1 vx_desktop 'C:\Vextral\vextral.exe'
for _ in $(seq 100); do [ "$(vx_probe parent TForm1 | clean)" = taskbar ] && break; sleep 0.2; done
check_eq "bar docked as the stand-in's child" "taskbar" "$(vx_probe parent TForm1 | clean)"
check_eq "its Start button hidden" "0 0" "$(vx_probe start | clean)"
kill -9 "$(standin_pid)"
vx_probe gone Shell_TrayWnd 10000
sleep 2
check "the program is still running with the taskbar gone" vextral_running
standin_start
for _ in $(seq 50); do [ "$(vx_probe parent TForm1 | clean)" = taskbar ] && break; sleep 0.2; done
check_eq "the bar made again and docked into the new taskbar" "taskbar" "$(vx_probe parent TForm1 | clean)"
check_eq "the new taskbar's Start button is hidden" "0 0" "$(vx_probe start | clean)"
vx_probe close TForm1 >/dev/null
for _ in $(seq 50); do vextral_running || break; sleep 0.2; done
check "the bar's close ends the program" vextral_ended
check_eq "exit shows the Start button" "1 0" "$(vx_probe start | clean)"
kill -9 "$(standin_pid)" 2>/dev/null

summary
