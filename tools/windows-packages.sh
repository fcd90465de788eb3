#!/usr/bin/env bash
# Makes Korvala's Windows setup program and its portable zip from the programs the two Windows
# presets build. The same sources give the same bytes: every packed file is dated
# SOURCE_DATE_EPOCH (else the last commit's time), and the zip lists its files in a fixed order
# with no owner or time fields beyond that date.
# Usage: windows-packages.sh OUTDIR VERSION DOCS X86_KORVALA X86_CALC X64_KORVALA X64_CALC
#   DOCS holds LICENSE.txt and README.txt; then each architecture's korvala.exe and
#   korvala-calc.exe. Writes OUTDIR/korvala-VERSION-setup.exe and OUTDIR/korvala-VERSION-windows.zip.
set -euo pipefail
version=$2 docs=$3
x86=("$4" "$5") x64=("$6" "$7")
mkdir -p "$1"
out=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)

# A fixed date outside a Git checkout (a source tarball), rather than the build's own time.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 1767225600)}

stage=$out/stage
rm -rf "$stage"
mkdir -p "$stage/x86" "$stage/x86-64" "$stage/docs" "$stage/zip/Korvala"
programs=(korvala.exe korvala-calc.exe)
for i in 0 1; do
    cp "${x86[i]}" "$stage/x86/${programs[i]}"
    cp "${x64[i]}" "$stage/x86-64/${programs[i]}"
    # The zip carries the x86 programs alone: they run on every Windows, 32- or 64-bit, and
    # leave a pupil with a USB stick no choice to make.
    cp "${x86[i]}" "$stage/zip/Korvala/${programs[i]}"
done
for text in LICENSE.txt README.txt; do
    cp "$docs/$text" "$stage/docs/$text"
    cp "$docs/$text" "$stage/zip/Korvala/$text"
done
find "$stage" -type f -exec chmod 0644 {} + -exec touch -d "@$epoch" {} +

setup=$out/korvala-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DOUTFILE="$setup.part" \
    -DX86="$stage/x86" -DX64="$stage/x86-64" -DDOCS="$stage/docs" \
    -DICON="$source/res/korvala.ico" "$source/windows/korvala.nsi"
mv "$setup.part" "$setup"

# zip adds to an archive that exists, and writes its dates in local time.
zip=$out/korvala-$version-windows.zip
rm -f "$zip.part"
(cd "$stage/zip" && TZ=UTC zip -X -D -q -9 "$zip.part" \
    Korvala/korvala.exe Korvala/korvala-calc.exe Korvala/README.txt Korvala/LICENSE.txt)
mv "$zip.part" "$zip"
