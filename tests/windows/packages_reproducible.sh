#!/usr/bin/env bash
# Makes the Windows packages twice with the same SOURCE_DATE_EPOCH, the second time from copies
# of the same files (other paths, other dates), and checks that both come out the same to the
# byte, and that the zip holds the x86 programs and the texts, in their order, at that date.
# Usage: packages_reproducible.sh WORKDIR WINDOWS-PACKAGES.SH VERSION DOCS X86_KORVALA X86_CALC
#        X64_KORVALA X64_CALC
set -euo pipefail
work=$1 script=$2 version=$3 docs=$4
programs=("$5" "$6" "$7" "$8")
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1767225600 # 2026-01-01 00:00:00 UTC

"$script" "$work/first" "$version" "$docs" "${programs[@]}"
mkdir -p "$work/copies/docs"
cp "$docs/LICENSE.txt" "$docs/README.txt" "$work/copies/docs"
copies=()
for i in 0 1 2 3; do
    mkdir "$work/copies/$i"
    cp "${programs[i]}" "$work/copies/$i"
    copies+=("$work/copies/$i/$(basename "${programs[i]}")")
done
touch -d '2001-02-03 04:05:06' "$work/copies/docs"/* "${copies[@]}"
"$script" "$work/second" "$version" "$work/copies/docs" "${copies[@]}"

failures=0
for package in "korvala-$version-setup.exe" "korvala-$version-windows.zip"; do
    cmp "$work/first/$package" "$work/second/$package" || {
        echo "FAILED: $package differs between two builds of the same files" >&2
        failures=$((failures + 1))
    }
done

zip=$work/first/korvala-$version-windows.zip
listing=$(zipinfo -T "$zip" | awk '/^-/ { print $7, $8 }')
expected='20260101.000000 Korvala/korvala.exe
20260101.000000 Korvala/korvala-calc.exe
20260101.000000 Korvala/README.txt
20260101.000000 Korvala/LICENSE.txt'
[ "$listing" = "$expected" ] || {
    echo "FAILED: the zip holds:" >&2
    echo "$listing" >&2
    failures=$((failures + 1))
}
unzip -p "$zip" Korvala/korvala.exe | cmp - "${programs[0]}" || {
    echo "FAILED: the zip's korvala.exe is not the x86 one" >&2
    failures=$((failures + 1))
}
[ "$failures" = 0 ]
