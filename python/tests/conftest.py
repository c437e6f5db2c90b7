# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Shared by the module's tests: the command-line program, the independent
source of the bytes and numbers the module must give."""

import csv
import os
import subprocess
import sys
from pathlib import Path

import pytest


class Cli:
    def __init__(self, program: str):
        self.program = program

    def __call__(self, *args, cwd=None, check=True) -> subprocess.CompletedProcess:
        done = subprocess.run([self.program, *map(str, args)], cwd=cwd, capture_output=True,
                              text=True)
        if check and done.returncode != 0:
            raise AssertionError(f"{args}: exit {done.returncode}: {done.stderr}")
        return done

    def rows(self, path: Path) -> list[dict]:
        with open(path, newline="") as f:
            return list(csv.DictReader(f))


@pytest.fixture(scope="session")
def cli() -> Cli:
    program = os.environ.get("ELLIPSOID_FLOW_CLI")
    if not program:
        pytest.skip("ELLIPSOID_FLOW_CLI names no command-line program (run through CTest)")
    return Cli(program)


def files_of(folder: Path) -> tuple[bytes, bytes]:
    """The bytes of a run's report and plot data."""
    return (folder / "solva11.txt").read_bytes(), (folder / "solva12.txt").read_bytes()


def run_command(*arguments, cwd) -> subprocess.CompletedProcess:
    """`python3 -m ellipsoid_flow.reference` with `arguments`, in `cwd`."""
    return subprocess.run(
        [sys.executable, "-m", "ellipsoid_flow.reference", *map(str, arguments)],
        cwd=cwd,
        capture_output=True,
        text=True,
    )


def proper_rotation(seed):
    """A random rotation (orthonormal, det +1), its columns a body's axes."""
    import numpy as np

    q, r = np.linalg.qr(np.random.default_rng(seed).normal(size=(3, 3)))
    q = q * np.sign(np.diag(r))
    return q * np.sign(np.linalg.det(q))


def posed_mesh(body, rotation, centre):
    """`body`, a mesh in its own frame, turned by `rotation` and moved to `centre`."""
    from ellipsoid_flow import mesh

    return mesh.Mesh(body.points @ rotation.T + centre, body.cells, body.half)
