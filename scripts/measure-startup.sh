#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Measures, under Xvfb, the time from starting the program to its window being
# mapped, and its peak resident memory after one run with the default inputs.
# Builds the window program alone in Release mode, in its own build directory.
# Usage: scripts/measure-startup.sh [RUNS] (default 10).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

runs="${1:-10}"
ensure_packages "${WINDOW_PACKAGES[@]}" xvfb xauth xdotool python3
dir="$ROOT/build-startup"
configure_and_build "$dir" ellipsoid-flow -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=ON \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=OFF >/dev/null

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" \
    python3 "$ROOT/scripts/measure_startup.py" "$dir/app/ellipsoid-flow" "$runs"
