#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""What the Python module adds to the C++: the same work timed through
ellipsoid_flow and through the C++ benchmark, in one script, in alternating
rounds so that the machine's swings touch both alike; each side's least
time counts, the one other programs on the machine disturbed least.

    /usr/bin/python3 bench/python_overhead.py BUILD_DIR [ROUNDS]

BUILD_DIR is a Release build with SOLVA_PYTHON and SOLVA_BENCHMARK on
(scripts/python-overhead.sh makes one and runs this). Prints the least
times and the ratios Python / C++ with their targets:
  - the largest run (lamda 0.2, NXX 400, NT 18, alpha 10, beta 5), both files
    written into a folder of $TMPDIR (else /tmp): run(..., folder=...) against
    BM_LargestRun, target 1.2; each run as a new window (the default) and
    all on one FlowState, as the benchmark's runs are;
  - a million points off a lamda = 0.2 body at alpha 20, beta 10 (the points
    of bench/field_benchmark.cpp): Flow.velocity against the C++ benchmark of
    the same points on every core (which computes potential, velocity, Cu and
    Cp), target 1.15; Flow.field, the whole of that work, into new arrays
    (for comparison) and with out= into arrays kept from call to call, as the
    benchmark keeps its buffers, target 1.5.
It also prints how much faster largest runs go in one thread per core, each
into its own folder, than in one thread: the GIL is released while they run.
"""

import json
import os
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


def cpp_best(benchmark: Path, name: str, clock: str, repetitions: int) -> float:
    """The least time (clock "real_time" or "cpu_time") of one iteration of a
    C++ benchmark over its repetitions, seconds."""
    out = subprocess.run(
        [benchmark, f"--benchmark_filter=^{name}$", f"--benchmark_repetitions={repetitions}",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True).stdout
    times = [entry[clock] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
             for entry in json.loads(out)["benchmarks"] if entry["run_type"] == "iteration"]
    if not times:
        raise RuntimeError(f"{benchmark} has no benchmark {name}")
    return min(times)


CLOCKS = {"real_time": time.perf_counter, "cpu_time": time.process_time}


def python_best(work, clock: str, repetitions: int, least_seconds: float = 0.2) -> float:
    """The least time of one call of work() over the repetitions, seconds, each
    repetition timing as many calls as fill least_seconds."""
    now = CLOCKS[clock]
    work()
    calls = 1
    while True:
        start = now()
        for _ in range(calls):
            work()
        if now() - start >= least_seconds / 4:
            break
        calls *= 2
    times = []
    for _ in range(repetitions):
        start = now()
        for _ in range(calls):
            work()
        times.append((now() - start) / calls)
    return min(times)


def main() -> None:
    build = Path(sys.argv[1]).resolve()
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    sys.path.insert(0, str(build / "python"))
    import ellipsoid_flow as ef

    from field_numpy import points  # the C++ benchmark's points

    benchmark = build / "bench" / "run_benchmark"
    flow = ef.Spheroid(0.2).flow(20, 10)
    xyz = np.ascontiguousarray(np.column_stack(points(FIELD_POINTS)))
    field_out = tuple(np.empty(np.shape(v)) for v in flow.field(xyz))
    state = ef.FlowState()
    with tempfile.TemporaryDirectory() as folder:
        # name: (C++ benchmark, the same work from Python, clock, what, target).
        # A run is one thread: processor time, which other programs on the
        # machine disturb least. The field uses every core: wall time.
        cases = {
            "run": ("BM_LargestRun", lambda: ef.run(*LARGEST, folder=folder), "cpu_time",
                    "largest run, a new window's arrays", 1.2),
            "run, state": ("BM_LargestRun",
                           lambda: ef.run(*LARGEST, folder=folder, state=state), "cpu_time",
                           "largest run, one FlowState", 1.2),
            "velocity": (FIELD_BENCHMARK, lambda: flow.velocity(xyz), "real_time",
                         f"{FIELD_POINTS:,} points, velocity", 1.15),
            # The benchmark writes into buffers it keeps; field() returns 48 MB
            # of new arrays, whose first touch the kernel pays for.
            "field": (FIELD_BENCHMARK, lambda: flow.field(xyz), "real_time",
                      f"{FIELD_POINTS:,} points, whole field", None),
            "field, out": (FIELD_BENCHMARK, lambda: flow.field(xyz, out=field_out), "real_time",
                           f"{FIELD_POINTS:,} points, whole field, out=", 1.5),
        }
        times = {name: ([], []) for name in cases}
        for _ in range(rounds):
            for name, (cpp_name, call, clock, _, _) in cases.items():
                times[name][0].append(cpp_best(benchmark, cpp_name, clock, repetitions=5))
                times[name][1].append(python_best(call, clock, repetitions=5))
    for name, (_, _, clock, what, target) in cases.items():
        cpp, python = (min(t) for t in times[name])
        print(f"{what:36s} {clock:9s} C++ {cpp * 1e3:7.3f} ms  Python {python * 1e3:7.3f} ms  "
              f"ratio {python / cpp:4.2f}" + (f" (target {target})" if target else ""))
    with tempfile.TemporaryDirectory() as folder:
        threads = os.cpu_count() or 1
        runs = 100 * threads
        folders = [Path(folder, str(t)) for t in range(threads)]
        for f in folders:
            f.mkdir()

        def runs_in(f: Path, count: int) -> None:
            for _ in range(count):
                ef.run(*LARGEST, folder=f)

        one = python_best(lambda: runs_in(folders[0], runs), "real_time", 5, least_seconds=0)
        with ThreadPoolExecutor(threads) as pool:
            every = python_best(
                lambda: list(pool.map(runs_in, folders, [runs // threads] * threads)),
                "real_time", 5, least_seconds=0)
        print(f"{runs} largest runs in {threads} threads: {one / every:.2f} times as fast as "
              f"in one")
    print(f"(least of {rounds} rounds of 5; TMPDIR={os.environ.get('TMPDIR', '/tmp')}, "
          f"{os.cpu_count()} cores)")


if __name__ == "__main__":
    main()
