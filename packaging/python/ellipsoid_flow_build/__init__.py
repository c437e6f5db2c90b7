# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The build backend of pyproject.toml: a wheel of ellipsoid_flow made by the
project's own CMake build, for the Python that runs the build.

It needs nothing from a package index (Debian 12 packages no CMake-driving
backend): CMake, a C++20 compiler, pybind11's CMake files and NumPy come from
the system. The CMake build goes into a scratch folder that is removed
afterwards, unless the config setting `build-dir` names a folder to keep it
in (`pip install -C build-dir=DIR .`, `python3 -m build -C build-dir=DIR`),
which later builds then update instead of starting again.
"""

import tempfile
from pathlib import Path

from ._cmake import build_module
from ._errors import BuildError
from ._project import Project
from ._wheel import write_metadata, write_wheel

__all__ = ["BuildError", "build_wheel", "get_requires_for_build_wheel",
           "prepare_metadata_for_build_wheel"]

# The source tree: this package lives in packaging/python/ of it.
SOURCE = Path(__file__).resolve().parents[3]


def get_requires_for_build_wheel(config_settings=None):
    """Nothing beyond build-system.requires: the rest are system tools."""
    return []


def prepare_metadata_for_build_wheel(metadata_directory, config_settings=None):
    """Writes the wheel's .dist-info folder into `metadata_directory`; returns its name."""
    return write_metadata(Project(SOURCE), Path(metadata_directory)).name


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    """Builds the module with CMake, writes the wheel into `wheel_directory`; returns its name."""
    project = Project(SOURCE)
    kept = (config_settings or {}).get("build-dir")
    if kept:
        package = build_module(SOURCE, Path(kept).resolve())
        return write_wheel(project, package, Path(wheel_directory)).name
    with tempfile.TemporaryDirectory(prefix="ellipsoid-flow-build-") as scratch:
        package = build_module(SOURCE, Path(scratch))
        return write_wheel(project, package, Path(wheel_directory)).name
