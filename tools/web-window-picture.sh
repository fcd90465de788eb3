#!/usr/bin/env bash
# Builds the page and saves its window as headless Chromium shows it into docs/window-web.png.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target korvala_web_site
node tools/web_window_picture.mjs build/web/web/site docs/window-web.png
