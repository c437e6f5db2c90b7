#!/bin/bash
# Takes docs/screenshot.png: the window after one run with its default inputs,
# on a virtual X display. Needs xvfb-run, xdotool and ImageMagick's import.
# BUILD_DIR picks another build tree than build/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DSOLVA_BENCHMARK=OFF
fi
cmake --build "$build" --target ellipsoid-flow
program="$build/ui/ellipsoid-flow"
output="$root/docs/screenshot.png"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs inside the virtual display, in the scratch directory the result files
# go to.
cat >"$work/take.sh" <<'INNER'
#!/bin/bash
set -euo pipefail
program=$1 output=$2
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n 1)
# Command1 sits at 16,24 and is 105 x 33 pixels.
xdotool mousemove --window "$window" 68 40 click 1
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
(cd "$work" && xvfb-run -a -s "-screen 0 800x600x24" ./take.sh "$program" "$output")
echo "wrote $output"
