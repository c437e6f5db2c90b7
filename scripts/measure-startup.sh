#!/usr/bin/env bash
# Measures, under Xvfb, the time from starting the program to its window being
# mapped, and its peak resident memory after one run with the default inputs.
# Usage: scripts/measure-startup.sh [RUNS] (default 10).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

runs="${1:-10}"
ensure_packages "${PACKAGES[@]}" xdotool python3
configure_and_build "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=ON >/dev/null

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" \
    python3 "$ROOT/scripts/measure_startup.py" "$ROOT/build-release/ui/ellipsoid-flow" "$runs"
