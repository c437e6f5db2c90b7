#!/usr/bin/env bash
# Builds in Release mode and runs the benchmark of whole runs and of the
# largest grid. Extra arguments go to the benchmark program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}"
configure_and_build "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=OFF
exec "$ROOT/build-release/bench/run_benchmark" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true "$@"
