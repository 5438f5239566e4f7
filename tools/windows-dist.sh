#!/bin/bash
# Packs the Windows build for users: <build>/Corvane-<version>-win64.zip (the program, its library
# and the read-me, to install by hand) and <build>/Corvane-<version>-setup.exe (made by makensis
# from dist/windows/corvane.nsi). Usage: tools/windows-dist.sh [build-windows]
#
# Both come out byte for byte the same from the same Corvane.scr and Corvane.dll: the zip's
# entries carry SOURCE_DATE_EPOCH (the last commit's time unless set) as their time, in UTC, in a
# fixed order with no extra fields; strip dates the files' headers by it too; the setup program
# stores no file times.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-windows}" && pwd)
version=1.0
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)
fi
export SOURCE_DATE_EPOCH TZ=UTC

for file in Corvane.scr Corvane.dll; do
  [ -f "$build/$file" ] || { echo "windows-dist: $build/$file is missing; run make windows" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/Corvane.scr" "$build/Corvane.dll" "$stage/"
# The build keeps its debugging information for the developers; users get the code alone.
x86_64-w64-mingw32-strip --strip-debug "$stage/Corvane.scr" "$stage/Corvane.dll"
# Notepad reads UTF-8 by its byte-order mark, and older ones show only CR LF line ends as breaks.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$root/dist/windows/ReadMe.txt"; } > "$stage/ReadMe.txt"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

zip_file="$build/Corvane-$version-win64.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -X -9 "$zip_file" Corvane.scr Corvane.dll ReadMe.txt)

setup_file="$build/Corvane-$version-setup.exe"
rm -f "$setup_file"
makensis -V2 -INPUTCHARSET UTF8 -DBUILD="$stage" -DOUTFILE="$setup_file" \
  -DICON="$root/resources/windows/corvane.ico" "$root/dist/windows/corvane.nsi"
echo "windows-dist: $zip_file"
echo "windows-dist: $setup_file"
