#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
echo '{"type": 0, "texts": ["1", "1", "", "", ""], "checks": [1, 1, 0, 0, 0]}' |
    build/release/cli/korvala-calc "$@"
