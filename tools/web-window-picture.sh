#!/usr/bin/env bash
# Builds the page and saves its pictures as headless Chromium shows them: the README's window
# and phone (docs/), and the manifest's screenshots of both layouts (res/web/).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target korvala_web_site
node tools/web_window_picture.mjs build/web/web/site docs res
