#!/bin/bash
# Makes a release in dist/:
#   tolvane-VERSION-win64.zip   the 64-bit program, README.txt, LICENSE and
#   tolvane-VERSION-win32.zip   the example scripts in examples/ (32-bit)
#   tolvane-VERSION-setup.exe   an installer (NSIS) that puts the 64-bit
#                               program on 64-bit Windows, the 32-bit one
#                               elsewhere
# VERSION is the project's version in CMakeLists.txt. Installs what is
# missing first (as scripts/test.sh does), then builds both programs
# (Release, in build/ARCH, as the tests do). The same sources give the same
# zips byte for byte: every file in them has the time of the last commit
# and they go in in name order.
#
# The tests make their installer with
#   scripts/package.sh --test-installer ARCH BUILD_DIR OUTFILE
# from BUILD_DIR, the build of ARCH. For i686 that is the release's own
# installer: BUILD_DIR's 32-bit program with the 64-bit one of the x86_64
# build beside it (BUILD_DIR/../x86_64), which must be built first. For
# x86_64 it holds BUILD_DIR's 64-bit program alone, on NSIS's 64-bit stub:
# Wine's 64-bit loader runs that one where 32-bit programs cannot run.
# Nothing is installed or built then.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/arch.sh"
. "$root/scripts/deps.sh"
. "$root/scripts/build.sh"

# 2026-01-01 00:00 UTC: the files' time outside a git checkout.
TOLVANE_FALLBACK_TIME=1767225600

# The project's version, as CMake configured it in a build folder.
tolvane_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# Text for Windows: line ends of carriage return and line feed.
tolvane_crlf() {
  sed 's/\r$//; s/$/\r/'
}

# README.txt: the program's name and version, then the sections of
# README.md a user of the program needs.
tolvane_readme_txt() {
  local version=$1 title="Tolvane $1"
  {
    echo "$title"
    echo "${title//?/=}"
    echo
    awk -v version="$version" '
      /^## / {
        name = substr($0, 4)
        keep = name == "Download and install" || name == "Menu commands" ||
               name == "Your work is kept" || name == "Pages as programs"
        if (keep) { print name; gsub(/./, "-", name); print name }
        next
      }
      keep { gsub(/tolvane-VERSION-/, "tolvane-" version "-"); print }
    ' "$root/README.md"
  } | tolvane_crlf
}

# tolvane_stage FOLDER EXE VERSION: what a package holds, in FOLDER.
tolvane_stage() {
  local folder=$1 exe=$2 version=$3
  rm -rf "$folder"
  mkdir -p "$folder/examples"
  cp "$exe" "$folder/tolvane.exe"
  tolvane_readme_txt "$version" >"$folder/README.txt"
  tolvane_crlf <"$root/LICENSE" >"$folder/LICENSE"
  "$work/examples_write" "$folder/examples" >"$work/examples.txt"
}

# The program's example scripts come from its own list, through a small
# program built for this machine.
tolvane_examples_tool() {
  c++ -std=c++17 -O1 -Wall -Wextra -I"$root" -o "$work/examples_write" \
    "$root/package/examples_write.cpp" "$root/app/examples.cpp"
}

# tolvane_installer EXE64 EXE32 STAGE VERSION OUTFILE: the release's
# installer, on NSIS's x86 stub, holding the 64-bit program EXE64 and the
# 32-bit one EXE32. With EXE32 empty, one of EXE64 alone on the 64-bit stub.
tolvane_installer() {
  local exe64=$1 exe32=$2 stage=$3 version=$4 outfile=$5 target=x86-unicode
  [ -n "$exe32" ] || target=amd64-unicode
  sed 's/.*/Delete "$INSTDIR\\examples\\&"/' "$work/examples.txt" >"$work/examples.nsh"
  makensis -V2 -WX -DTARGET="$target" -DVERSION="$version" -DEXE64="$exe64" -DEXE32="$exe32" \
    -DSTAGE="$stage" -DEXAMPLES="$work/examples.nsh" -DOUTFILE="$outfile" "$root/package/tolvane.nsi"
}

# tolvane_zip FOLDER ZIP: FOLDER's files, in name order, each with the same
# time and mode, and no entries for folders or extra attributes.
tolvane_zip() {
  local folder=$1 zip=$2 time
  time=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo "$TOLVANE_FALLBACK_TIME")
  find "$folder" -type f -exec chmod 644 {} + -exec touch -d "@$time" {} +
  rm -f "$zip"
  (cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort |
    TZ=UTC zip -q -X -D -9 "$zip" -@)
}

if [ "${1:-}" = --test-installer ]; then
  arch=$2 build=$3 outfile=$4
  exe=$build/app/tolvane.exe exe64=$build/app/tolvane.exe exe32=""
  if [ "$arch" = i686 ]; then
    build64=$(dirname "$build")/x86_64
    exe64=$build64/app/tolvane.exe exe32=$exe
    if [ ! -f "$exe64" ]; then
      echo "package.sh: the release's installer holds the 64-bit program too, and $exe64 is missing:" >&2
      echo "  build it first: cmake --build $build64 --target tolvane (scripts/test.sh does)" >&2
      exit 1
    fi
  fi
  work="$build/package-test"
  mkdir -p "$work"
  version=$(tolvane_version "$build")
  tolvane_examples_tool
  tolvane_stage "$work/stage" "$exe" "$version"
  tolvane_installer "$exe64" "$exe32" "$work/stage" "$version" "$outfile"
  exit 0
fi

tolvane_install_deps zip nsis g++
for arch in x86_64 i686; do tolvane_build "$arch" --target tolvane; done
build64=$(tolvane_arch_build_dir x86_64)
build32=$(tolvane_arch_build_dir i686)
version=$(tolvane_version "$build64")
dist="$root/dist"
work="${TOLVANE_BUILD_DIR:-$root/build}/package"
mkdir -p "$dist" "$work"

tolvane_examples_tool
tolvane_stage "$work/win64" "$build64/app/tolvane.exe" "$version"
tolvane_stage "$work/win32" "$build32/app/tolvane.exe" "$version"
tolvane_zip "$work/win64" "$dist/tolvane-$version-win64.zip"
tolvane_zip "$work/win32" "$dist/tolvane-$version-win32.zip"
tolvane_installer "$build64/app/tolvane.exe" "$build32/app/tolvane.exe" "$work/win64" "$version" \
  "$dist/tolvane-$version-setup.exe"

echo "Release $version in $dist:"
(cd "$dist" && ls -l "tolvane-$version-win64.zip" "tolvane-$version-win32.zip" "tolvane-$version-setup.exe")
