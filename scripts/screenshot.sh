#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Takes a screenshot of the window after one run with its default inputs, on
# a virtual X display, in its own build directory.
#
#   scripts/screenshot.sh [SCALE [OUTPUT]]
#
# SCALE is the QT_SCALE_FACTOR the window runs at (1 by default); OUTPUT is
# the PNG written (docs/screenshot.png by default). Other scales are for
# looking at, not for the repository.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

scale=${1:-1}
output=$(realpath -m "${2:-$ROOT/docs/screenshot.png}")
if ! [[ $scale =~ ^[0-9]*\.?[0-9]+$ ]] || ! awk -v s="$scale" 'BEGIN { exit !(s > 0) }'; then
    echo "usage: $0 [SCALE [OUTPUT]]: SCALE is a number above 0" >&2
    exit 2
fi

ensure_packages "${WINDOW_PACKAGES[@]}" fonts-liberation2 xvfb xauth xdotool imagemagick
dir="$ROOT/build-screenshot"
configure_and_build "$dir" ellipsoid-flow -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVA_GUI=ON -DBUILD_TESTING=OFF \
    -DSOLVA_BENCHMARK=OFF
program="$dir/app/ellipsoid-flow"

# The centre of Command1, laid out at 240, 360, 1575 x 495 twips and 15 twips
# to the pixel, in the display's pixels at the scale.
read -r click_x click_y < <(awk -v s="$scale" 'BEGIN {
    left = 240; top = 360; width = 1575; height = 495
    printf "%d %d\n", (left + width / 2) / 15 * s, (top + height / 2) / 15 * s
}')

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs inside the virtual display, in the scratch directory the result files
# go to.
cat >"$work/take.sh" <<'INNER'
#!/bin/bash
set -euo pipefail
program=$1 output=$2 click_x=$3 click_y=$4
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n 1)
xdotool mousemove --window "$window" "$click_x" "$click_y" click 1
for _ in $(seq 100); do
    if [ -f solva12.txt ] && [ "$(wc -l <solva12.txt)" -ge 18 ]; then
        break
    fi
    sleep 0.1
done
if [ ! -f solva12.txt ]; then
    echo "the run wrote no solva12.txt" >&2
    exit 1
fi
sleep 0.5 # let the areas repaint
import -window "$window" "$output"
INNER
chmod +x "$work/take.sh"

mkdir -p "$(dirname "$output")"
# Large enough for the window at a scale of 4.
(cd "$work" && QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2048x2048x24" \
    ./take.sh "$program" "$output" "$click_x" "$click_y")
echo "wrote $output"
