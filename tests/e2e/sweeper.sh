#!/usr/bin/env bash
# The window sweeper and the CD tray button in a Wine desktop with a taskbar. A fixture program
# puts up other applications' windows: two titled ones, one that refuses WM_CLOSE, an untitled
# one, a hidden one, a dialog owned by the hidden one, and one whose thread takes no messages.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
vx_e2e_start
cp "$VX_BUILD/win/tests/e2e/fixture/vxwindows.exe" "$WINEPREFIX/drive_c/"
fixture() { wine "$VX_BUILD/win/tests/e2e/fixture/vxwindows.exe" "$@" | clean; }
# "exists visible iconic" of a window class, and the WM_CLOSE requests a fixture window saw.
shape() { fixture state "$1" | cut -d' ' -f2-4; }
closes() { fixture state "$1" | cut -d' ' -f5; }

vx_desktop 'C:\Vextral\vextral.exe'
bar=$(vx_probe wait TForm1 20000 | clean)
vx_desktop 'C:\vxwindows.exe' serve
vx_probe wait VxFixHung 20000 >/dev/null
# The system counts an application as hung once it has taken no message for five seconds.
sleep 6

read -r bx by _ _ <<<"$bar"
click_at $((bx + 12)) $((by + 11))
panel=$(vx_probe wait TForm3 5000 | clean)
check "the panel unfolds" test -n "$panel"
read -r px py _ _ <<<"$panel"
# Buttons are 22 pixels high, top to bottom; the sweeper is the seventh, the CD tray the fourth.
sweeper_y=$((py + 6 * 22 + 11))
tray_y=$((py + 3 * 22 + 11))
button_x=$((px + 12))

echo "sweeper: left click"
click_at "$button_x" "$sweeper_y"
sleep 1
import -window root "$shots/sweeper_minimised.png"
check_eq "titled window A minimised" "1 1 1" "$(shape VxFixPlainA)"
check_eq "titled window B, lowest in z-order, minimised" "1 1 1" "$(shape VxFixPlainB)"
check_eq "refusing window minimised" "1 1 1" "$(shape VxFixRefuse)"
check_eq "untitled window left" "1 1 0" "$(shape VxFixUntitled)"
check_eq "hidden window left" "1 0 0" "$(shape VxFixHidden)"
check_eq "owned dialog left" "1 1 0" "$(shape VxFixOwned)"
check_eq "hung window passed over" "1 1 0" "$(shape VxFixHung)"
check_eq "the bar untouched" "1 1 0" "$(shape TForm1)"
check_eq "the panel untouched" "1 1 0" "$(shape TForm3)"
check_eq "a left click closes nothing" "0 0 0 0 0 0" \
    "$(for c in VxFixPlainA VxFixPlainB VxFixRefuse VxFixUntitled VxFixHidden VxFixOwned; do closes "$c"; done | xargs)"
# The bar's left button folds and unfolds the panel only while Vextral takes its input.
click_at $((bx + 12)) $((by + 11))
check "Vextral takes input with the hung window present: the panel folds" vx_probe gone TForm3 5000
click_at $((bx + 12)) $((by + 11))
check "and unfolds again" test -n "$(vx_probe wait TForm3 5000 | clean)"

fixture restore
sleep 1
check_eq "windows restored for the next round" "1 1 0 1 1 0" "$(shape VxFixPlainA) $(shape VxFixPlainB)"
# The z-order from the top, as far as the fixture's windows go.
order=$(fixture list | awk '$2 ~ /^VxFix/ {print $2}' | xargs)
echo "  (z-order: $order)"
check "window B lies below window A, the refusing and the hung window" \
    test "$(echo "$order" | tr ' ' '\n' | grep -E 'VxFix(PlainA|PlainB|Refuse|Hung)' | tail -1)" = VxFixPlainB

echo "sweeper: right press"
xdotool mousemove "$button_x" "$sweeper_y" mousedown 3
sleep 0.2
xdotool mouseup 3
sleep 1
import -window root "$shots/sweeper_closed.png"
check_eq "titled window A closed" "0 0 0" "$(shape VxFixPlainA)"
check_eq "titled window B, below the closed and the refusing ones, closed" "0 0 0" "$(shape VxFixPlainB)"
check_eq "refusing window asked once and still open, not minimised" "1 1 0 1" \
    "$(shape VxFixRefuse) $(closes VxFixRefuse)"
check_eq "untitled window not asked" "1 1 0 0" "$(shape VxFixUntitled) $(closes VxFixUntitled)"
check_eq "hidden window not asked" "1 0 0 0" "$(shape VxFixHidden) $(closes VxFixHidden)"
check_eq "owned dialog not asked" "1 1 0 0" "$(shape VxFixOwned) $(closes VxFixOwned)"
check_eq "hung window still there" "1 1 0" "$(shape VxFixHung)"
check_eq "the bar untouched" "1 1 0" "$(shape TForm1)"
check_eq "the panel untouched" "1 1 0" "$(shape TForm3)"

echo "CD tray: no CD drive under Wine"
click_at "$button_x" "$tray_y"
click_at "$button_x" "$tray_y"
sleep 0.5
check_eq "no error box after two clicks" "" "$(vx_probe box Vextral 1500 | clean)"
import -window root "$shots/cd_tray.png"
click_at $((bx + 12)) $((by + 11))
check "Vextral takes input after both sweeps and the tray: the panel folds" vx_probe gone TForm3 5000

summary
