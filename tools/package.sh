#!/usr/bin/env bash
# Builds the Debian package rs485config_<version>_<arch>.deb from an optimised
# build in build/package and puts it into the output folder (default: the
# current one). Prints the package's path.
#   tools/package.sh [output folder]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "${1:-.}")
build="$top/build/package"
cd "$top"

"$top/tools/ensure-packages.sh"
# Debian's build flags (hardened, without debugging information, which the
# package would strip anyway).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DRS485CONFIG_BUILD_TESTS=OFF -DRS485CONFIG_INSTALL=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DRS485CONFIG_SITE_URL=file:///usr/share/doc/rs485config/README.md >/dev/null
cmake --build "$build"

rm -rf "$build/cpack"
cpack --config "$build/CPackConfig.cmake" -B "$build/cpack"
debs=("$build"/cpack/*.deb)
mkdir -p "$out"
mv "${debs[@]}" "$out/"
echo "$out/${debs[0]##*/}"
