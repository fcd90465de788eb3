#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/ui/korvala "$@"
