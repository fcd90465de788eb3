#!/usr/bin/env bash
# The README's picture of the Win32 window: the x86-64 build, run under Wine in a virtual
# desktop (so that Wine draws the window's frame) on a virtual display, pictured by the
# end-to-end driver after the first worked example and converted to PNG.
# Usage: tools/win32-window-picture.sh [OUTPUT.png]; writes docs/window-win32.png by default.
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/window-win32.png}

tools/install-deps.sh ci
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --target korvala korvala_driver >/dev/null
cmake --preset dev >/dev/null
cmake --build --preset dev --target korvala-window-screenshot >/dev/null

scratch=$(mktemp -d)
export WINEDEBUG=-all WINEPREFIX="$scratch/wine-prefix"
# The prefix is removed once Wine's server has written it back and stopped.
trap '/usr/lib/wine/wineserver -w; rm -rf "$scratch"' EXIT
xvfb-run -a /usr/lib/wine/wine64 explorer /desktop=Korvala,560x500 \
    build/mingw64/tests/korvala_driver.exe build/mingw64/win/korvala.exe \
    --picture "Z:$scratch/window.bmp" | tail -n 1
build/dev/tools/korvala-window-screenshot --convert "$scratch/window.bmp" "$output"
echo "saved $output"
