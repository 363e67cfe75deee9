#!/usr/bin/env bash
# Installs what is missing, builds an optimised rs485config into build/release
# and starts it.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

"$top/tools/ensure-packages.sh"
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DRS485CONFIG_BUILD_TESTS=OFF >/dev/null
cmake --build "$top/build/release"

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "rs485config needs a graphical display, and none is available here" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run it from a desktop session, or on a virtual display: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec "$top/build/release/app/rs485config" "$@"
