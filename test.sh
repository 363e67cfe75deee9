#!/usr/bin/env bash
# Installs what is missing, builds rs485config with its tests into build/test
# and runs the whole suite headless.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

"$top/tools/ensure-packages.sh"
cmake -S "$top" -B "$top/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$top/build/test"
cd "$top/build/test"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure "$@"
