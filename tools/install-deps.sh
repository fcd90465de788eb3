#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
# Usage: tools/install-deps.sh run|test|ci
set -euo pipefail

build=(cmake ninja-build g++)
core_tests=(libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev locales)
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

# The regional-settings tests read these real locales.
test_locales=(en_US de_DE de_CH bg_BG hi_IN fr_FR)

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$1" != run ]; then
    for name in "${test_locales[@]}"; do
        if ! locale -a 2>/dev/null | grep -qx "$name.utf8"; then
            echo "Generating the locale $name.UTF-8"
            "${as_root[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
        fi
    done
fi
