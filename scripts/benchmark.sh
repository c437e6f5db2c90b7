#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# Builds the benchmark in Release mode, in its own build directory, and runs
# it: whole runs and the largest grid. Extra arguments go to the benchmark
# program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}"
dir="$ROOT/build-bench"
configure_and_build "$dir" run_benchmark -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=OFF \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=ON -DSOLVA_PYTHON=ON
exec "$dir/bench/run_benchmark" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true "$@"
