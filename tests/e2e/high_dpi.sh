#!/usr/bin/env bash
# Vextral on a screen set to 144 dpi (the prefix's LogPixels): every size, offset and font grows
# by 144 / 96, so the bar still stands in the Start button's place, the panel and the player
# keep their places relative to the screen's edges, and the pictures stay crisp (screenshots to
# look at). Then on a classic taskbar of 60 px (40 at 100 %) that the stand-in puts over Wine's:
# the bar centred across it, the panel clear of it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-session.sh"
source "$here/lib.sh"
shots=${VX_SHOTS:-$VX_BUILD/screenshots}
mkdir -p "$shots"
vx_russian_locale
vx_session_start
trap vx_session_stop EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
vx_desktop_start
app="$WINEPREFIX/drive_c/Vextral"
mkdir -p "$app"
cp "$VX_BUILD/win/vextral.exe" "$VX_BUILD/win/tests/e2e/standin/standin_taskbar.exe" "$app/"
px() { echo $(((($1) * 144 + 48) / 96)); } # 96-dpi units to pixels, halves rounded up

echo "high dpi: 144"
read -r sx sy sw sh <<<"$(vx_probe startrect | clean)"
vx_desktop 'C:\Vextral\vextral.exe'
bar=$(vx_probe wait TForm1 20000 | clean)
read -r tx ty _ _ _ <<<"$(vx_probe rect Shell_TrayWnd | clean)"
read -r bx by bw bh <<<"$bar"
check_eq "bar 50 x 24 grown to 75 x 36 at the taskbar's (3, 0) grown" \
    "$((tx + $(px 3))) $ty 75 36" "$bar"
# As at 96 dpi, the bar stands in the Start button's place: it starts a few pixels into the
# button and spans its height. (How far the button reaches depends on the width of its caption
# in the system's font.)
check "bar in the Start button's place ($sx $sy $sw $sh)" \
    test "$bx" -ge "$sx" -a "$bx" -lt $((sx + sw)) -a "$by" -le "$sy" -a $((by + bh)) -ge $((sy + sh))
check_eq "Start button hidden" "0 0" "$(vx_probe start | clean)"

click_at $((bx + bw / 4)) $((by + bh / 2))
panel=$(vx_probe wait TForm3 5000 | clean)
read -r px_ py_ pw ph <<<"$panel"
screen_h=$(xdotool getdisplaygeometry | cut -d' ' -f2)
check_eq "panel 28 x 180 grown to 42 x 270 at left 4 grown" "$(px 4) 42 270" "$px_ $pw $ph"
check "panel's bottom edge 29 grown (43 or 44) above the screen's bottom" \
    test $((screen_h - py_ - ph)) -ge 42 -a $((screen_h - py_ - ph)) -le 44
check_eq "tool buttons 16 x 16 glyphs on 24 x 22 buttons, grown" "36 33" \
    "$(vx_probe crect TForm3 3002 | clean | awk '{print $3, $4}')"
sleep 0.5
import -window root "$shots/high_dpi_panel.png"

click_at $((px_ + pw / 2)) $((py_ + ph - $(px 11)))
player=$(vx_probe wait TForm8 5000 | clean)
check_eq "player's strip 149 x 18 grown to 224 x 27" "224 27" \
    "$(vx_probe crect TForm8 8001 | clean | awk '{print $3, $4}')"
check_eq "playlist's edges grown: (2, 35) to (206, 234)" "$(($(px 206) - $(px 2))) $(($(px 234) - $(px 35)))" \
    "$(vx_probe crect TForm8 8003 | clean | awk '{print $3 - 0, $4 - 0}')"
sleep 0.5
import -window root "$shots/high_dpi_player.png"

echo "high dpi: a taskbar of 60 px"
vx_probe close TForm1 >/dev/null
vx_probe gone TForm1 10000
vx_desktop 'C:\Vextral\standin_taskbar.exe' classic bottom 60
for _ in $(seq 50); do [ "$(vx_probe rect Shell_TrayWnd | clean | cut -d' ' -f4)" = 60 ] && break; sleep 0.2; done
vx_desktop 'C:\Vextral\vextral.exe'
bar=$(vx_probe wait TForm1 20000 | clean)
ty=$((screen_h - 60))
check_eq "the bar centred across the taskbar" "$(px 3) $((ty + 12)) 75 36" "$bar"
read -r bx by bw bh <<<"$bar"
click_at $((bx + bw / 4)) $((by + bh / 2))
panel=$(vx_probe wait TForm3 5000 | clean)
check_eq "the panel just above it" "$(px 4) $((ty - 270))" "$(echo "$panel" | cut -d' ' -f1-2)"
sleep 0.5
import -window root "$shots/high_dpi_taskbar.png"
summary
