#!/usr/bin/env bash
# Installs what is missing, builds an optimised rs485config into build/release
# and starts it, with the virtual gateway listed first among its ports and a
# virtual KNX bus (knxd) that the gateway is attached to.
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

# A UDP port that nothing on this machine is bound to, from 3671 on.
free_udp_port() {
    local port
    for port in $(seq 3671 3771); do
        if ! grep -qi ":$(printf '%04X' "$port") " /proc/net/udp; then
            echo "$port"
            return
        fi
    done
    return 1
}

if [[ $emulator == yes ]]; then
    run="${XDG_RUNTIME_DIR:-${TMPDIR:-/tmp}}"
    link="$run/rs485config-gateway"
    log="$build/gateway-emulator.log"
    pids=()
    trap 'kill "${pids[@]}" 2>/dev/null; wait "${pids[@]}" 2>/dev/null || true' EXIT

    # The virtual KNX bus: knxd with a dummy line, serving KNXnet/IP tunnelling
    # on a free port and its client socket to the virtual gateway.
    knx_port=$(free_udp_port)
    knx_socket="$run/rs485config-knxd"
    rm -f "$knx_socket"
    knxd -e 0.0.1 -E 0.0.2:8 -u "$knx_socket" -D -T -R -S"224.0.23.12:$knx_port" \
        -b dummy: >"$build/knxd.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        [[ -S $knx_socket ]] && break
        kill -0 "${pids[-1]}" 2>/dev/null || { cat "$build/knxd.log" >&2; exit 1; }
        sleep 0.1
    done

    "$build/tools/gateway-emulator/gateway-emulator" --link "$link" \
        --knx "local:$knx_socket" >"$log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        [[ -L $link ]] && break
        kill -0 "${pids[-1]}" 2>/dev/null || { cat "$log" >&2; exit 1; }
        sleep 0.1
    done
    echo "Virtual gateway at $link (9600 baud, 1 stop bit, None); its log: $log"
    echo "Virtual KNX bus (knxd) at 127.0.0.1:$knx_port; KNX, Connect to KNX… offers it"
    export RS485CONFIG_EXTRA_PORTS="$link${RS485CONFIG_EXTRA_PORTS:+:$RS485CONFIG_EXTRA_PORTS}"
    export RS485CONFIG_KNX_INTERFACE="127.0.0.1:$knx_port"
fi

"$build/app/rs485config" "${args[@]}"
