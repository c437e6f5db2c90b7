#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""What the Python module adds to the C++: the same work timed through
ellipsoid_flow and through the C++ benchmark, in one script, in alternating
rounds so that the machine's swings touch both alike.

    /usr/bin/python3 bench/python_overhead.py BUILD_DIR [ROUNDS]

BUILD_DIR is a Release build with SOLVA_PYTHON and SOLVA_BENCHMARK on
(scripts/python-overhead.sh makes one and runs this). Prints the medians
(wall-clock time) and the ratios Python / C++ with their targets:
  - the largest run (lamda 0.2, NXX 400, NT 18, alpha 10, beta 5), both files
    written into a folder of $TMPDIR (else /tmp): run(..., folder=...) against
    BM_LargestRun, target 1.2;
  - a million points off a lamda = 0.2 body at alpha 20, beta 10 (the points
    of bench/field_benchmark.cpp): Flow.velocity, and Flow.field for the
    whole of the benchmark's work (potential, velocity, Cu, Cp), against the
    C++ benchmark of the same points on every core, target 1.15.
It also prints how much faster largest runs go in one thread per core, each
into its own folder, than in one thread: the GIL is released while they run.
"""

import json
import os
import statistics
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np

LARGEST = ("0.2", "400", "18", "10", "5")
FIELD_POINTS = 1_000_000
FIELD_BENCHMARK = "fieldOfAMillionPoints/every_core/real_time"


def cpp_median(benchmark: Path, name: str, repetitions: int = 10) -> float:
    """Median wall time of one iteration of a C++ benchmark, seconds."""
    out = subprocess.run(
        [benchmark, f"--benchmark_filter=^{name}$", f"--benchmark_repetitions={repetitions}",
         "--benchmark_format=json", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    for entry in json.loads(out)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
            return entry["real_time"] * scale
    raise RuntimeError(f"{benchmark} has no benchmark {name}")


def python_median(work, repetitions: int = 10, least_seconds: float = 0.2) -> float:
    """Median wall time of one call of work(), seconds, each repetition
    timing as many calls as fill least_seconds."""
    work()
    calls = 1
    while True:
        start = time.perf_counter()
        for _ in range(calls):
            work()
        if time.perf_counter() - start >= least_seconds / 4:
            break
        calls *= 2
    times = []
    for _ in range(repetitions):
        start = time.perf_counter()
        for _ in range(calls):
            work()
        times.append((time.perf_counter() - start) / calls)
    return statistics.median(times)


def main() -> None:
    build = Path(sys.argv[1]).resolve()
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    sys.path.insert(0, str(build / "python"))
    import ellipsoid_flow as ef

    from field_numpy import points  # the C++ benchmark's points

    benchmark = build / "bench" / "run_benchmark"
    flow = ef.Spheroid(0.2).flow(20, 10)
    xyz = np.ascontiguousarray(np.column_stack(points(FIELD_POINTS)))
    with tempfile.TemporaryDirectory() as folder:
        cases = {  # name: (C++ benchmark, the same work from Python, what, target)
            "run": ("BM_LargestRun", lambda: ef.run(*LARGEST, folder=folder),
                    "largest run, files written", 1.2),
            "velocity": (FIELD_BENCHMARK, lambda: flow.velocity(xyz),
                         f"{FIELD_POINTS:,} points, velocity", 1.15),
            "field": (FIELD_BENCHMARK, lambda: flow.field(xyz),
                      f"{FIELD_POINTS:,} points, whole field", 1.15),
        }
        times = {name: ([], []) for name in cases}
        for _ in range(rounds):
            for name, (cpp_name, call, _, _) in cases.items():
                times[name][0].append(cpp_median(benchmark, cpp_name, repetitions=5))
                times[name][1].append(python_median(call, repetitions=5))
    for name, (_, _, what, target) in cases.items():
        cpp, python = (statistics.median(t) for t in times[name])
        print(f"{what:40s} C++ {cpp * 1e3:8.3f} ms   Python {python * 1e3:8.3f} ms   "
              f"ratio {python / cpp:5.2f} (target {target})")
    with tempfile.TemporaryDirectory() as folder:
        threads = os.cpu_count() or 1
        runs = 100 * threads
        folders = [Path(folder, str(t)) for t in range(threads)]
        for f in folders:
            f.mkdir()

        def runs_in(f: Path, count: int) -> None:
            for _ in range(count):
                ef.run(*LARGEST, folder=f)

        one = python_median(lambda: runs_in(folders[0], runs), repetitions=5, least_seconds=0)
        with ThreadPoolExecutor(threads) as pool:
            every = python_median(
                lambda: list(pool.map(runs_in, folders, [runs // threads] * threads)),
                repetitions=5, least_seconds=0)
        print(f"{runs} largest runs in {threads} threads: {one / every:.2f} times as fast as "
              f"in one")
    print(f"({rounds} rounds, medians; TMPDIR={os.environ.get('TMPDIR', '/tmp')}, "
          f"{os.cpu_count()} cores)")


if __name__ == "__main__":
    main()
