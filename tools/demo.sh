#!/usr/bin/env bash
# Starts the configurator, attached to a simulated terminal when the simulator is built.
# usage: tools/demo.sh BUILD_DIR GEN   (GEN: 1, 2, 3 or console)
set -euo pipefail
build=${1:-build}
gen=${2:-1}
args=(--no-scan)
sim=$build/bin/quorvel-devsim
if [ -x "$sim" ]; then
    case $gen in
        console) profile=(--console) ;;
        1) profile=(--gen 1 --type 206) ;;
        *) profile=(--gen "$gen") ;;
    esac
    coproc SIM { exec "$sim" "${profile[@]}"; }
    trap 'kill "$SIM_PID" 2>/dev/null || true' EXIT
    read -r tty <&"${SIM[0]}"
    args+=(--port "$tty")
    echo "Simulated terminal (${profile[*]}) on $tty"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: running under Xvfb for 10 seconds and saving a screenshot to demo.png"
    xvfb-run -a -s "-screen 0 1100x800x24" bash -c \
        "\"$build/bin/quorvel\" ${args[*]} & sleep 8; import -window root demo.png; kill %1"
else
    "$build/bin/quorvel" "${args[@]}"
fi
