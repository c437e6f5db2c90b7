#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# The field benchmark: the flow at a million points off a lambda = 0.2 body,
# the library on one thread and on every core against the NumPy peer
# (bench/field_numpy.py), all in one run of the benchmark program, built in
# Release mode for the architecture's baseline. Prints the medians of five
# repetitions and the two ratios the README quotes. The NumPy peer times
# itself in processor seconds.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}" python3-numpy
dir="$ROOT/build-bench"
cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=OFF \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target run_benchmark
result=$(mktemp)
trap 'rm -f "$result"' EXIT
"$dir/bench/run_benchmark" --benchmark_filter=fieldOfAMillionPoints --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_out="$result" --benchmark_out_format=json \
    "$@"
/usr/bin/python3 - "$result" <<'PYTHON'
import json, sys

medians = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]
           if b.get("aggregate_name") == "median"}
def median(part, clock):
    return next(b[clock] for name, b in medians.items() if part in name)
# Processor time for the two single-threaded codes, so that other processes
# on the machine touch both alike; wall time across threads.
one_cpu, numpy = median("one_thread", "cpu_time"), median("NumPy", "real_time")
one_wall, every_wall = median("one_thread", "real_time"), median("every_core", "real_time")
print(f"\nmedians, ms: NumPy {numpy:.1f} (processor), one thread {one_cpu:.1f} (processor), "
      f"{one_wall:.1f} (wall), every core {every_wall:.1f} (wall)")
print(f"one thread / NumPy speed: {numpy / one_cpu:.2f} x (target 3)")
print(f"every core / one thread:  {one_wall / every_wall:.2f} x (target 1.7 on 2 cores)")
PYTHON
