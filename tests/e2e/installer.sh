#!/usr/bin/env bash
# The setup program under Wine: a silent install into the user's local application data, the
# installed program started from there, refusals while it runs, an upgrade that keeps the user's
# files and settings, a second install into a folder of one's own, and the two uninstalls, each
# removing only its own copy and leaving Dirs.vxl, Last.m3u and the settings key behind.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/wine-session.sh"
source "$here/lib.sh"

pkg=$VX_BUILD/package
# Packs anew when a package is missing or older than the program or the setup script.
if [ ! -f "$VX_BUILD/win/vextral.exe" ] || [ ! -f "$pkg/vextral-portable.zip" ] || [ ! "$pkg/vextral-setup.exe" -nt "$VX_BUILD/win/vextral.exe" ] ||
    [ ! "$pkg/vextral-setup.exe" -nt "$root/installer/vextral.nsi" ]; then
    VX_BUILD=$VX_BUILD bash "$root/scripts/package.sh" >/dev/null || { echo "packaging failed"; echo "0 passed, 1 failed"; exit 1; }
fi

echo "installer: the portable zip"
check_eq "zip holds the program and the readme" $'readme.txt\nvextral.exe' \
    "$(unzip -Z1 "$pkg/vextral-portable.zip" | sort)"
check "zipped program is the built one" cmp -s <(unzip -p "$pkg/vextral-portable.zip" vextral.exe) "$VX_BUILD/win/vextral.exe"

vx_e2e_start
# Shortcuts would otherwise become menu entries of this Linux desktop.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
setup_dir="$WINEPREFIX/drive_c/setup"
mkdir -p "$setup_dir"
cp "$pkg/vextral-setup.exe" "$setup_dir/"
setup='C:\setup\vextral-setup.exe'
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vextral'

win_var() { wine cmd /c echo "%$1%" 2>/dev/null | clean; }
local_app=$(win_var LOCALAPPDATA)
default_win="$local_app\\Programs\\Vextral"
default_dir=$(winepath -u "$default_win" 2>/dev/null)
menu_dir=$(winepath -u "$(win_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Vextral" 2>/dev/null)
custom_win='C:\Custom\Vextral'
custom_dir="$WINEPREFIX/drive_c/Custom/Vextral"

uninstall_value() { wine reg query "$key" /v "$1" 2>/dev/null | clean | sed -nE "s/^ *$1 +REG_[A-Z_]+ +//p"; }
not() { ! "$@"; }
# Checksums of the files the program and its user keep beside the program.
user_files() { (cd "$1" && md5sum Dirs.vxl Last.m3u WinStart.txt) 2>/dev/null; }
key_exists() { wine reg query "$key" >/dev/null 2>&1; }
settings_exist() { wine reg query 'HKCU\Software\Vextral' >/dev/null 2>&1; }
# The target path recorded in a shortcut (stored there as UTF-16 text).
link_points_to() { strings -el "$1" | grep -qiF "$2"; }
# Runs a command line in the shell desktop, where the running program's windows are seen, and
# prints its exit code.
in_desktop() {
    local rc="$WINEPREFIX/drive_c/vx_rc.txt"
    rm -f "$rc"
    # (A bare "echo 2> file" would redirect the error stream: a word goes before the code.)
    printf '@echo off\r\n%s\r\necho exit %%errorlevel%% > C:\\vx_rc.txt\r\n' "$1" >"$WINEPREFIX/drive_c/vx_run.bat"
    vx_desktop cmd /c 'C:\vx_run.bat'
    for _ in $(seq 150); do [ -s "$rc" ] && break; sleep 0.2; done
    sed -nE 's/^exit ([0-9]+).*/\1/p' "$rc" 2>/dev/null
}

echo "installer: silent install, default folder"
wine "$setup" /S
check_eq "setup exits with 0" 0 $?
check "default folder is under the user's local application data" test "${default_win,,}" = "${local_app,,}\\programs\\vextral"
check "program installed" cmp -s "$default_dir/vextral.exe" "$VX_BUILD/win/vextral.exe"
check "uninstaller installed" test -f "$default_dir/Uninstall.exe"
check "Start menu: program shortcut to the installed program" link_points_to "$menu_dir/Vextral.lnk" "$default_win\\vextral.exe"
check_eq "Start menu: the uninstall shortcut beside it" 2 "$(find "$menu_dir" -name '*.lnk' | wc -l)"
check_eq "Uninstall key: DisplayName" Vextral "$(uninstall_value DisplayName)"
check_eq "Uninstall key: DisplayVersion" 1.1 "$(uninstall_value DisplayVersion)"
check_eq "Uninstall key: Publisher" Vextral "$(uninstall_value Publisher)"
check_eq "Uninstall key: InstallLocation" "$default_win" "$(uninstall_value InstallLocation)"
check_eq "Uninstall key: UninstallString" "\"$default_win\\Uninstall.exe\"" "$(uninstall_value UninstallString)"

echo "installer: the installed program runs from its folder"
vx_desktop "$default_win\\vextral.exe"
check "its bar appears" test -n "$(vx_probe wait TForm1 20000 | clean)"
check "it writes its launch log beside itself" test -f "$default_dir/WinStart.txt"
check "it made its settings key" settings_exist
check_eq "uninstall refused while it runs (exit code 2)" 2 "$(in_desktop "\"$default_win\\Uninstall.exe\" /S _?=$default_win")"
check_eq "setup refused while it runs (exit code 2)" 2 "$(in_desktop "$setup /S")"
check "the running program's files stay" test -f "$default_dir/vextral.exe" -a -f "$default_dir/Uninstall.exe"
import -window root "$shots/installer_running.png"
vx_probe close TForm1 >/dev/null
check "it closes" vx_probe gone TForm1 10000
sleep 1

echo "installer: upgrade over the installation"
head -c 1010 /dev/urandom >"$default_dir/Dirs.vxl"
printf '#EXTM3U\r\nC:\\Music\\a.mp3\r\n' >"$default_dir/Last.m3u"
wine reg add 'HKCU\Software\Vextral' /v Drive /t REG_SZ /d E /f >/dev/null 2>&1
sums=$(user_files "$default_dir")
check "Dirs.vxl, Last.m3u and WinStart.txt beside the program" test "$(grep -c . <<<"$sums")" -eq 3
wine "$setup" /S
check_eq "upgrade exits with 0" 0 $?
check_eq "Dirs.vxl, Last.m3u and WinStart.txt unchanged" "$sums" "$(user_files "$default_dir")"
check_eq "settings value kept" "REG_SZ E" "$(reg_value Drive)"
check "program still installed" test -f "$default_dir/vextral.exe"

echo "installer: a second copy in a folder of one's own"
wine "$setup" /S "/D=$custom_win"
check_eq "setup /D exits with 0" 0 $?
check "program installed there" cmp -s "$custom_dir/vextral.exe" "$VX_BUILD/win/vextral.exe"
check_eq "Uninstall key now names that copy" "$custom_win" "$(uninstall_value InstallLocation)"
check "program shortcut now starts that copy" link_points_to "$menu_dir/Vextral.lnk" "$custom_win\\vextral.exe"

echo "installer: uninstalling the first copy, waiting for it (_?=)"
wine "$default_dir/Uninstall.exe" /S "_?=$default_win"
check_eq "uninstaller exits with 0" 0 $?
check "program removed" test ! -e "$default_dir/vextral.exe"
check_eq "Dirs.vxl, Last.m3u and WinStart.txt left" "$sums" "$(user_files "$default_dir")"
check_eq "the other copy's Uninstall key stays" "$custom_win" "$(uninstall_value InstallLocation)"
check "the other copy's shortcuts stay" test -f "$menu_dir/Vextral.lnk"
check "the other copy stays" test -f "$custom_dir/vextral.exe"

echo "installer: uninstalling the second copy, as the Start menu does"
cp "$default_dir/Dirs.vxl" "$default_dir/Last.m3u" "$custom_dir/"
wine "$custom_dir/Uninstall.exe" /S
# The uninstaller goes on from a copy of itself in the temporary folder: wait for its work.
for _ in $(seq 100); do [ -e "$custom_dir/Uninstall.exe" ] || break; sleep 0.2; done
for _ in $(seq 25); do key_exists || break; sleep 0.2; done
check "program removed" test ! -e "$custom_dir/vextral.exe"
check "uninstaller removed" test ! -e "$custom_dir/Uninstall.exe"
check "Uninstall key removed" not key_exists
check "Start menu folder removed" test ! -e "$menu_dir"
check "Dirs.vxl left" cmp -s "$default_dir/Dirs.vxl" "$custom_dir/Dirs.vxl"
check "Last.m3u left" cmp -s "$default_dir/Last.m3u" "$custom_dir/Last.m3u"
check "settings key left" settings_exist
check_eq "settings value left" "REG_SZ E" "$(reg_value Drive)"

summary
