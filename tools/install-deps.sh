#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
# Usage: tools/install-deps.sh run|test|ci|bench|web
set -euo pipefail

# Every build includes tl::expected, which is only a header.
build=(cmake ninja-build g++ libexpected-dev)
core_tests=(libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev locales)
window=(qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation2 qt6-translations-l10n)
# The resource tools (icons as SVG) and the start-up benchmark's window waiter (xcb) build with
# the tests.
tools=(qt6-svg-dev libxcb1-dev)
ci_only=(clang libclang-rt-14-dev g++-mingw-w64-i686 clang-format clang-tidy desktop-file-utils appstream
    build-essential debhelper dpkg-dev lintian
    g++-mingw-w64-x86-64 googletest wine64 xvfb xauth
    # The Windows setup program and portable zip, and their tests' look inside the zip.
    nsis zip unzip
    # 32-bit Windows programs run in Wine's i386 half, which draws through 32-bit X libraries.
    wine32:i386 libxrender1:i386 libxext6:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386
    libxinerama1:i386 libfreetype6:i386 libfontconfig1:i386)
# The start-up benchmark opens both windows on a virtual display.
bench=(libbenchmark-dev libxcb1-dev xvfb xdotool)
# The WebAssembly build (Emscripten, esbuild for the page's script, GoogleTest's sources, the JSON
# header) and Node.js, which runs its tests; they compare korvala-calc with the native one, which
# the test set builds. The page's tests drive Debian's Chromium; npm is a package of its own
# beside Debian's Node.js (other builds of Node.js bring it along).
web=(emscripten esbuild nodejs googletest nlohmann-json3-dev chromium)

case "${1:-}" in
run) wanted=("${build[@]}" nlohmann-json3-dev "${window[@]}") ;;
test) wanted=("${build[@]}" "${core_tests[@]}" "${window[@]}" "${tools[@]}") ;;
ci) wanted=("${build[@]}" "${core_tests[@]}" "${window[@]}" "${tools[@]}" "${ci_only[@]}" "${web[@]}") ;;
bench) wanted=("${build[@]}" nlohmann-json3-dev "${window[@]}" "${bench[@]}") ;;
web) wanted=("${build[@]}" "${web[@]}") ;;
*)
    echo "usage: $0 run|test|ci|bench|web" >&2
    exit 2
    ;;
esac

# 32-bit Windows programs need a kernel that executes 32-bit x86 programs; where it does not,
# Wine's i386 half would install but never run.
if [[ " ${wanted[*]}" == *:i386* ]] && ! x86=$("$(dirname "$0")/x86-programs.sh"); then
    echo "install-deps: leaving out the i386 packages, since $x86"
    kept=()
    for package in "${wanted[@]}"; do
        [[ $package == *:i386 ]] || kept+=("$package")
    done
    wanted=("${kept[@]}")
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

missing=()
if [[ " ${wanted[*]} " == *" nodejs "* ]] && ! command -v npm >/dev/null; then
    missing+=(npm)
fi
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${as_root[@]}" dpkg --add-architecture i386
    fi
    # A mirror in the middle of a sync serves an index of the wrong size for a while; the
    # packages wanted are usually still installable from the indexes apt already has.
    apt_log=$(mktemp)
    trap 'rm -f "$apt_log"' EXIT
    updated=false
    for attempt in 1 2 3; do
        if "${as_root[@]}" apt-get update -qq 2>"$apt_log"; then
            updated=true
            break
        fi
        [ "$attempt" -lt 3 ] && sleep 10
    done
    if ! $updated; then
        echo "install-deps: the package indexes could not all be read ($(grep -m1 '^E:' "$apt_log" ||
            tail -n 1 "$apt_log")); installing all the same"
    fi
    install() {
        DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq \
            --no-install-recommends "$@" "${missing[@]}" 2>"$apt_log"
    }
    installed=false
    if install; then
        installed=true
    elif ! $updated; then
        # With one part of the archive unread, a library that both architectures need in one
        # version (Multi-Arch: same) can be newer on amd64 than anything i386 is offered.
        pins=$("$(dirname "$0")/multiarch-pins.sh" "${missing[@]}")
        if [ -n "$pins" ]; then
            echo "install-deps: installing again with these pinned to the newest version both" \
                "amd64 and i386 can get: $(paste -sd, <<<"$pins" | sed 's/,/, /g')"
            preferences=$(mktemp)
            trap 'rm -f "$apt_log" "$preferences"' EXIT
            while read -r source version; do
                printf 'Package: %s\nPin: version %s\nPin-Priority: 1001\n\n' "$source" "$version"
            done <<<"$pins" >"$preferences"
            install -o Dir::Etc::Preferences="$preferences" --allow-downgrades --no-remove &&
                installed=true
        fi
    fi
    if ! $installed; then
        echo "install-deps: could not install ${missing[*]}" >&2
        grep '^E:' "$apt_log" | tail -n 1 >&2 || tail -n 1 "$apt_log" >&2
        exit 1
    fi
fi

# The page's browser tests: the npm packages their lock file pins, none of them a browser.
if [[ " ${wanted[*]} " == *" chromium "* ]]; then
    tests_web="$(dirname "$0")/../tests/web"
    if [ ! -f "$tests_web/node_modules/.package-lock.json" ] ||
        [ "$tests_web/package-lock.json" -nt "$tests_web/node_modules/.package-lock.json" ]; then
        npm ci --prefix "$tests_web" --no-audit --no-fund
    fi
fi
