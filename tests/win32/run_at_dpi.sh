#!/usr/bin/env bash
# Runs the Win32 window's end-to-end driver with Windows set to another resolution: a throw-away
# Wine prefix whose LogPixels is set before the window starts. Run it on a display (xvfb-run).
# Usage: run_at_dpi.sh DPI WINE DRIVER.exe KORVALA.exe
set -euo pipefail
dpi=$1 wine=$2 driver=$3 program=$4
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all
trap '"$(dirname "$wine")/wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$wine" "$driver" "$program" --dpi "$dpi"
