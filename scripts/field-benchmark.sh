#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT

# The field benchmark: the flow at a million points off a lambda = 0.2
# spheroid and off a 3:2:1 ellipsoid, the library on one thread and on every
# core against the NumPy peers (bench/field_numpy.py, bench/ellipsoid_numpy.py
# with SciPy), all in one run of the benchmark program, built in Release mode
# for the architecture's baseline. Prints, for each body, the medians of five
# repetitions, the two ratios the README quotes and how closely the sums of Cu
# of the library and its peer agree (it fails if they differ by more than
# 1E-10, relative: the peer would not be computing the same flow). The NumPy
# peers time themselves in processor seconds.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}" python3-numpy python3-scipy
dir="$ROOT/build-bench"
cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=OFF \
    -DBUILD_TESTING=OFF -DSOLVA_BENCHMARK=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target run_benchmark
result=$(mktemp)
trap 'rm -f "$result"' EXIT
"$dir/bench/run_benchmark" --benchmark_filter='[fF]ieldOfAMillionPoints' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_out="$result" --benchmark_out_format=json \
    "$@"
/usr/bin/python3 - "$result" <<'PYTHON'
import json, sys

medians = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]
           if b.get("aggregate_name") == "median"}
def median(prefix, part):
    return next(b for name, b in medians.items() if name.startswith(prefix + part))
agree = True
for body, prefix in (("spheroid", "fieldOfAMillionPoints"),
                     ("ellipsoid", "ellipsoidFieldOfAMillionPoints")):
    one, every, numpy = (median(prefix, part) for part in ("/one_thread", "/every_core", "NumPy"))
    # Processor time for the two single-threaded codes, so that other processes
    # on the machine touch both alike; wall time across threads.
    one_cpu, numpy_cpu = one["cpu_time"], numpy["real_time"]
    one_wall, every_wall = one["real_time"], every["real_time"]
    difference = abs(one["cu_sum"] - numpy["cu_sum"]) / abs(numpy["cu_sum"])
    agree = agree and difference <= 1e-10
    print(f"\n{body}, medians, ms: NumPy {numpy_cpu:.1f} (processor), "
          f"one thread {one_cpu:.1f} (processor), {one_wall:.1f} (wall), "
          f"every core {every_wall:.1f} (wall)")
    print(f"one thread / NumPy speed: {numpy_cpu / one_cpu:.2f} x (target 3)")
    print(f"every core / one thread:  {one_wall / every_wall:.2f} x (target 1.7 on 2 cores)")
    print(f"sums of Cu, library and NumPy, differ by {difference:.1e} (relative)")
sys.exit(0 if agree else 1)
PYTHON
