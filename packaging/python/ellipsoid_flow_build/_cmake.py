# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The compiled module from the project's CMake build, for the running Python."""

import shutil
import subprocess
import sys
from pathlib import Path

from ._errors import BuildError

# Only the module and the libraries it links: the window, the command-line
# program and the tests need packages a Python user may not have.
_OPTIONS = ["-DCMAKE_BUILD_TYPE=Release", "-DSOLVA_PYTHON=ON", "-DSOLVA_GUI=OFF",
            "-DSOLVA_CLI=OFF", "-DSOLVA_BENCHMARK=OFF", "-DBUILD_TESTING=OFF"]


def build_module(source: Path, folder: Path) -> Path:
    """Configures and builds the target _core in `folder`; returns the package
    folder it fills (the Python files and the compiled module).

    The module is built for sys.executable, a virtual environment's Python
    among others, whatever the CMake cache of another build says. Raises
    BuildError when CMake is missing or a step fails (its output shown above).
    """
    cmake = shutil.which("cmake")
    if cmake is None:
        raise BuildError("CMake is not on the PATH: install it (Debian: apt install cmake)")
    generator = ["-G", "Ninja"] if shutil.which("ninja") else []
    _run("configure", [cmake, "-S", str(source), "-B", str(folder), *generator, *_OPTIONS,
                       f"-DPython3_EXECUTABLE={sys.executable}"])
    _run("build", [cmake, "--build", str(folder), "--target", "_core", "--parallel"])
    return folder / "python" / "ellipsoid_flow"


def _run(step, command):
    """Runs one CMake step, its output on standard error where pip and build show it."""
    done = subprocess.run(command, stdout=sys.stderr, stderr=sys.stderr)
    if done.returncode != 0:
        raise BuildError(f"CMake {step} failed (exit {done.returncode}): {' '.join(command)}")
