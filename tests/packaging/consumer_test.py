#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The installed C++ package builds a program: the dev component installed
under a scratch prefix, the consumer project (consumer/) built with CMake's
find_package and with plain g++ and pkg-config, and both programs print the
very doubles ellipsoid-flow-cli field and inertia give for the same inputs.
Every installed header compiles on its own, and none is a detail/ one.
  consumer_test.py BUILD_DIR CLI"""

import json
import os
import subprocess
import sys
import tempfile
from pathlib import Path

CONSUMER = Path(__file__).resolve().parent / "consumer"
# What consumer/main.cpp computes, as command lines.
SPHEROID = ["--lambda", "0.2"]
ELLIPSOID = ["--axes", "3,2,1"]
STREAM = ["--alpha", "20", "--beta", "10"]


def run(*command, **options):
    done = subprocess.run([str(part) for part in command], capture_output=True, text=True,
                          **options)
    assert done.returncode == 0, f"{command}: exit {done.returncode}\n{done.stdout}{done.stderr}"
    return done.stdout


def printed(output):
    """{"body quantity": [numbers]} of the consumer's lines."""
    values = {}
    for line in output.splitlines():
        body, quantity, *numbers = line.split()
        values[f"{body} {quantity}"] = [float(n) for n in numbers]
    return values


def from_cli(cli):
    def velocity(body, point):
        rows = run(cli, "field", *body, *STREAM, "-", input=point + "\n").splitlines()
        return [float(n) for n in rows[1].split(",")[4:7]]

    def added_mass(body, about):
        matrix = json.loads(run(cli, "inertia", *body, "--about", about))["added_mass"]
        return [entry for row in matrix for entry in row]

    return {"spheroid velocity": velocity(SPHEROID, "0.6,0.05,0.1"),
            "spheroid added_mass": added_mass(SPHEROID, "0.25,0,0"),
            "ellipsoid velocity": velocity(ELLIPSOID, "3.5,0.5,0.5"),
            "ellipsoid added_mass": added_mass(ELLIPSOID, "0,0,0.5")}


def check_headers(prefix, cflags, scratch):
    headers = sorted((prefix / "include" / "ellipsoid-flow").rglob("*.h"))
    assert {h.parent.name for h in headers} == {"spheroid", "ellipsoid"}, headers
    for header in headers:
        run("g++", *cflags, "-fsyntax-only", "-x", "c++", header, cwd=scratch)


def main(build, cli):
    with tempfile.TemporaryDirectory() as scratch:
        scratch = Path(scratch)
        prefix = scratch / "prefix"
        run("cmake", "--install", build, "--component", "libellipsoid-flow-dev", "--prefix", prefix)

        run("cmake", "-S", CONSUMER, "-B", scratch / "cmake", f"-DCMAKE_PREFIX_PATH={prefix}")
        run("cmake", "--build", scratch / "cmake")
        by_cmake = printed(run(scratch / "cmake" / "consumer"))

        (pc_path,) = {pc.parent for pc in prefix.rglob("ellipsoid-flow.pc")}
        environment = dict(os.environ, PKG_CONFIG_PATH=str(pc_path))
        cflags = run("pkg-config", "--cflags", "ellipsoid-flow", env=environment).split()
        libs = run("pkg-config", "--libs", "ellipsoid-flow", env=environment).split()
        run("g++", *cflags, CONSUMER / "main.cpp", "-o", scratch / "consumer", *libs)
        by_pkg_config = printed(run(scratch / "consumer"))

        check_headers(prefix, cflags, scratch)

    expected = from_cli(cli)
    for name, values in (("CMake", by_cmake), ("pkg-config", by_pkg_config)):
        assert values == expected, f"built with {name}: {values}\nthe command line: {expected}"
    print("the CMake and the pkg-config builds print what ellipsoid-flow-cli does")


if __name__ == "__main__":
    main(*sys.argv[1:])
