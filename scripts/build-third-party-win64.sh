#!/usr/bin/env bash
# Builds the image libraries that JUCE's PNG and JPEG code links against, for Windows x64, from
# Debian's own source packages: libjpeg-turbo and libpng (zlib comes built from libz-mingw-w64-dev).
# Static only, so Talvion.exe needs no DLL of them. Done once: a stamp records what was built, and
# later runs return at once while the stamp matches this script.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

root="$PWD/build/third-party-win64"
prefix="$root/install"
stamp="$prefix/.built"
toolchain="$PWD/cmake/mingw-x86_64.cmake"
mingw_sysroot=/usr/x86_64-w64-mingw32
wanted_stamp="$(sha256sum "${BASH_SOURCE[0]}" "$toolchain" | sha256sum | cut -d' ' -f1)"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted_stamp" ]; then
    exit 0
fi

log="$root/build.log"
mkdir -p "$root/src"
: > "$log"
fail() { echo "build-third-party-win64: $*; the last lines of $log:" >&2; tail -n 40 "$log" >&2; exit 1; }

# apt-get source needs source entries for the archive that is already configured; they are added
# beside it, once, with the same suites and key.
ensure_deb_src() {
    if apt-cache showsrc libpng1.6 2>/dev/null | grep -q '^Package:'; then
        return
    fi
    [ "$(id -u)" -eq 0 ] || { echo "build-third-party-win64: no deb-src entries, and adding them needs root" >&2; exit 1; }
    local binary=/etc/apt/sources.list.d/debian.sources
    [ -f "$binary" ] || { echo "build-third-party-win64: $binary is missing; add a deb-src entry by hand" >&2; exit 1; }
    sed -e 's/^Types: deb$/Types: deb-src/' "$binary" > /etc/apt/sources.list.d/debian-src.sources
    apt-get update -qq >> "$log" 2>&1 || fail "apt-get update failed"
}

# fetch PACKAGE: unpacks Debian's source of PACKAGE under src/ and prints the directory. A version
# listed by the index but no longer served (a superseded security update) is skipped for the next.
fetch() {
    local pkg="$1" dir
    dir="$(find "$root/src" -maxdepth 1 -type d -name "$pkg-*" | sort | tail -n 1)"
    if [ -n "$dir" ]; then
        echo "$dir"
        return
    fi
    ensure_deb_src
    local version
    for version in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -rV); do
        if (cd "$root/src" && apt-get source -qq "$pkg=$version") >> "$log" 2>&1; then
            find "$root/src" -maxdepth 1 -type d -name "$pkg-*" | sort | tail -n 1
            return
        fi
    done
    fail "could not fetch the source of $pkg"
}

# cmake_build NAME SOURCE [options...]: a static Release build with the project's toolchain, installed
# into the prefix.
cmake_build() {
    local name="$1" src="$2"; shift 2
    local dir="$root/$name-build"
    rm -rf "$dir"
    cmake -S "$src" -B "$dir" -G Ninja \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >> "$log" 2>&1 \
        || fail "configuring $name failed"
    cmake --build "$dir" -j"$jobs" >> "$log" 2>&1 || fail "building $name failed"
    cmake --install "$dir" >> "$log" 2>&1 || fail "installing $name failed"
}

[ -f "$mingw_sysroot/lib/libz.a" ] || { echo "build-third-party-win64: libz-mingw-w64-dev is not installed" >&2; exit 1; }

jpeg_src="$(fetch libjpeg-turbo)"
png_src="$(fetch libpng1.6)"
rm -rf "$prefix"

# No SIMD: it needs nasm, and Talvion decodes no JPEG at a rate where it would matter.
cmake_build libjpeg-turbo "$jpeg_src" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JAVA=OFF
# JUCE reads the library's internal declarations too, which Debian's libjpeg-dev installs as well.
cp "$jpeg_src/jpegint.h" "$prefix/include/"
# JUCE includes jpeglib.h inside a namespace of its own and names that namespace's 'boolean', which
# the installed header leaves undeclared when windows.h came first. Declaring it regardless is safe:
# the type is the same unsigned char as Windows', and C and C++ accept a repeated identical typedef.
sed -i -e '/^#ifndef __RPCNDR_H__/{N;N;s/^#ifndef __RPCNDR_H__[^\n]*\n\(typedef unsigned char boolean;\)\n#endif/\1/}' \
    "$prefix/include/jconfig.h"
grep -qx 'typedef unsigned char boolean;' "$prefix/include/jconfig.h" && ! grep -q __RPCNDR_H__ "$prefix/include/jconfig.h" \
    || fail "jconfig.h did not take the boolean declaration"

# zlib is named by its static archive: the import library beside it would tie the exe to zlib1.dll.
cmake_build libpng "$png_src" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY="$mingw_sysroot/lib/libz.a" -DZLIB_INCLUDE_DIR="$mingw_sysroot/include"

for lib in libjpeg.a libpng16.a; do
    [ -f "$prefix/lib/$lib" ] || fail "$lib was not installed"
done
echo "$wanted_stamp" > "$stamp"
echo "build-third-party-win64: libjpeg-turbo and libpng built into $prefix"
