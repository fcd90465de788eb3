#!/usr/bin/env bash
# The page's start-up against a static floor page in headless Chromium, and the bytes it
# transfers: builds the page with the web preset, then runs bench/page_startup.mjs.
# Usage: bench/page_startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target korvala_web_site >/dev/null
node bench/page_startup.mjs build/web/web/site "${1:-21}"
