#!/usr/bin/env bash
# Installs what is missing, builds an optimised rs485config into build/release
# and starts it, with the virtual gateway listed first among its ports.
#   ./run.sh [--no-emulator]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$top/build/release"

emulator=yes
args=()
for arg in "$@"; do
    case $arg in
        --no-emulator) emulator=no ;;
        *) args+=("$arg") ;;
    esac
done

"$top/tools/ensure-packages.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DRS485CONFIG_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "rs485config needs a graphical display, and none is available here" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run it from a desktop session, or on a virtual display: xvfb-run -a ./run.sh" >&2
    exit 1
fi

if [[ $emulator == yes ]]; then
    link="${XDG_RUNTIME_DIR:-${TMPDIR:-/tmp}}/rs485config-gateway"
    log="$build/gateway-emulator.log"
    "$build/tools/gateway-emulator/gateway-emulator" --link "$link" >"$log" 2>&1 &
    gateway=$!
    trap 'kill "$gateway" 2>/dev/null; wait "$gateway" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        [[ -L $link ]] && break
        kill -0 "$gateway" 2>/dev/null || { cat "$log" >&2; exit 1; }
        sleep 0.1
    done
    echo "Virtual gateway at $link (9600 baud, 1 stop bit, None); its log: $log"
    export RS485CONFIG_EXTRA_PORTS="$link${RS485CONFIG_EXTRA_PORTS:+:$RS485CONFIG_EXTRA_PORTS}"
fi

"$build/app/rs485config" "${args[@]}"
