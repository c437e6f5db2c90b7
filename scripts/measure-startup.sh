#!/usr/bin/env bash
# Measures, under Xvfb, the time from starting the program to its window
# being shown, and its peak resident memory after one run with the default
# inputs. Usage: scripts/measure-startup.sh [RUNS] (default 10).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

runs="${1:-10}"
ensure_packages "${PACKAGES[@]}" xdotool
configure_and_build "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=ON >/dev/null
program="$ROOT/build-release/ui/ellipsoid-flow"

if [ -z "${SOLVA_UNDER_XVFB:-}" ]; then
    export SOLVA_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work"
trap 'rm -rf "$work"' EXIT
cd "$work"

now_ms() { date +%s%3N; }

shown=()
peak=()
for ((i = 0; i < runs; i++)); do
    rm -f solva11.txt solva12.txt
    start=$(now_ms)
    "$program" &
    pid=$!
    until window=$(xdotool search --onlyvisible --pid "$pid" --name '^Form1$' 2>/dev/null); do
        sleep 0.002
    done
    shown+=($(($(now_ms) - start)))
    # A click in the middle of Command1 runs the default inputs.
    xdotool mousemove --window "$window" 68 40 click 1
    until [ -s solva12.txt ] && grep -q '^ 18 ' solva12.txt; do sleep 0.01; done
    sleep 0.2
    peak+=($(awk '/VmHWM/ {print $2}' "/proc/$pid/status"))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
echo "runs: $runs"
echo "start to shown window (ms): ${shown[*]}"
echo "median start to shown window: $(median "${shown[@]}") ms"
echo "peak resident memory after a default run (kB): ${peak[*]}"
echo "median peak resident memory: $(median "${peak[@]}") kB"
