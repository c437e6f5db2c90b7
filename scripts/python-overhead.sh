#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# What the Python module adds to the C++: builds the module and the benchmark
# in Release mode (build-bench/, as scripts/benchmark.sh) and runs
# bench/python_overhead.py, which times the same work both ways. Arguments go
# to the script: the number of rounds (3).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}"
dir="$ROOT/build-bench"
configure_and_build "$dir" "run_benchmark _core" -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=OFF \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=ON -DSOLVA_PYTHON=ON
exec /usr/bin/python3 "$ROOT/bench/python_overhead.py" "$dir" "$@"
