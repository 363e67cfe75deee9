#!/usr/bin/env bash
# Installs what is missing, builds rs485config with its tests into build/test
# (clang, AddressSanitizer and UndefinedBehaviorSanitizer, libFuzzer targets)
# and runs the whole suite headless. Arguments go to ctest.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$top/build/test"

"$top/tools/ensure-packages.sh"
cache="$build/CMakeCache.txt"
if [[ -f $cache ]] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$cache"; then
    rm -rf "$build" # configured with another compiler
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DRS485CONFIG_SANITIZE=ON -DRS485CONFIG_FUZZ=ON >/dev/null
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure "$@"
