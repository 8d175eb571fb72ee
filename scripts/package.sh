#!/usr/bin/env bash
# Packs the Windows program for users:
#   $VX_BUILD/package/vextral-setup.exe      the setup program (NSIS, see installer/vextral.nsi)
#   $VX_BUILD/package/vextral-portable.zip   vextral.exe and a short readme, to unpack anywhere
# It builds the Windows program first (an up-to-date build is reused as it is).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${VX_BUILD:-build}
case $out in /*) ;; *) out=$root/$out ;; esac

bash scripts/packages.sh
VX_BUILD=$out VX_WIN_ONLY=1 bash scripts/build.sh >/dev/null
exe=$out/win/vextral.exe
[ -f "$exe" ] || { echo "no $exe after the build" >&2; exit 1; }

pkg=$out/package
mkdir -p "$pkg"

defines=(-DVX_EXE="$exe" -DVX_OUTFILE="$pkg/vextral-setup.exe")
icon=res/vextral.ico
[ -f "$icon" ] || icon=$(find res -maxdepth 1 -name '*.ico' | sort | head -n 1)
[ -n "$icon" ] && [ -f "$icon" ] && defines+=(-DVX_ICON="$root/$icon")
makensis -V2 -INPUTCHARSET UTF8 "${defines[@]}" installer/vextral.nsi

# The portable zip: the readme with a byte order mark and CR LF line ends, for Notepad.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/vextral.exe"
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' installer/readme.txt; } >"$stage/readme.txt"
rm -f "$pkg/vextral-portable.zip"
(cd "$stage" && zip -q -X "$pkg/vextral-portable.zip" vextral.exe readme.txt)

ls -l "$pkg/vextral-setup.exe" "$pkg/vextral-portable.zip" | awk '{print $5, $NF}'
