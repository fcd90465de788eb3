#!/usr/bin/env bash
# Runs clang-tidy over every layer and face of the program (not the tests, benchmarks or fuzz
# targets), with the compile commands of the build folders given, and fails on any finding.
# Usage: tools/clang-tidy.sh BUILD_DIR... (each configured with CMake: build/dev for the layers
# and the Qt face; a MinGW-w64 build such as build/mingw64 for the Win32 face alone; build/web
# for the web face alone).
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
for build in "$@"; do
    [ -f "$build/compile_commands.json" ] || { echo "no compile commands in $build" >&2; exit 2; }
    # The float text implementation the build did not select is compiled with the tests' flags,
    # some of which are GCC's alone.
    extra=(-extra-arg=-Wno-unknown-warning-option)
    sources='(runtime|calc|form|ui|cli)/.*'
    # A cross build is parsed as Clang for the same target, with the cross compiler's C++
    # library, which Clang does not find by itself.
    if grep -q -- '-w64-mingw32-g++' "$build/compile_commands.json"; then
        compiler=$(grep -o -m1 '[^ "]*-w64-mingw32-g++[^ "]*' "$build/compile_commands.json")
        target=$(basename "$compiler" | grep -o '^[a-z0-9_]*-w64-mingw32')
        extra=(-extra-arg="--target=$target")
        # The layers below the face are the same code as in the native build, but for the
        # platform's regional settings.
        sources='win/.*|runtime/regional_settings_windows'
        while read -r directory; do
            extra+=(-extra-arg="-isystem$directory")
        done < <(echo | "$compiler" -E -x c++ - -v 2>&1 | grep -E '^ /.*/include/c\+\+')
    fi
    # The web build is parsed with the flags em++ adds to every compilation (its target, its
    # system root and libc++), less the code generator's own.
    if grep -q '/em++ ' "$build/compile_commands.json"; then
        sources='web/.*|site/.*|runtime/regional_settings_web'
        read -r -a flags < <(em++ --cflags | sed -E 's/-mllvm [^ ]+//g')
        for flag in "${flags[@]}"; do
            extra+=(-extra-arg="$flag")
        done
    fi
    # The program's own sources; generated ones (Qt's resources, moc) live in the build folder.
    files='^'"$PWD"'/('"$sources"')\.cpp$'
    run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${extra[@]}" "$files" \
        >"$build/clang-tidy.log" 2>&1 || status=1
    if grep -E '(warning|error):' "$build/clang-tidy.log" | sort -u | grep .; then
        status=1
    fi
done
exit $status
