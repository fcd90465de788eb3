#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
