#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
# Usage: tools/install-deps.sh run|test|ci
set -euo pipefail

build=(cmake ninja-build g++)
core_tests=(libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev)
window=(qt6-base-dev libgl-dev fonts-liberation2)
ci_only=(clang libclang-rt-14-dev g++-mingw-w64-i686 clang-format desktop-file-utils appstream)

case "${1:-}" in
run) wanted=("${build[@]}" nlohmann-json3-dev "${window[@]}") ;;
test) wanted=("${build[@]}" "${core_tests[@]}" "${window[@]}") ;;
ci) wanted=("${build[@]}" "${core_tests[@]}" "${window[@]}" "${ci_only[@]}") ;;
*)
    echo "usage: $0 run|test|ci" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
