# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The wheel file: the package folder of the build and the .dist-info metadata,
with the RECORD of hashes installers check."""

import base64
import hashlib
import sys
import sysconfig
import zipfile
from pathlib import Path

from ._errors import BuildError
from ._project import Project

# Every member gets this time stamp, so the same build gives the same bytes.
_EPOCH = (1980, 1, 1, 0, 0, 0)


def wheel_tag() -> str:
    """The tag of a wheel for the running CPython: its version, ABI and platform."""
    if sys.implementation.name != "cpython":
        raise BuildError(f"the module builds for CPython only, not {sys.implementation.name}")
    version = f"{sys.version_info.major}{sys.version_info.minor}"
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    return f"cp{version}-cp{version}{sys.abiflags}-{platform}"


def dist_info_files(project: Project) -> dict[str, bytes]:
    """The .dist-info folder's files but RECORD, by name."""
    wheel = (f"Wheel-Version: 1.0\nGenerator: ellipsoid_flow_build {project.version}\n"
             f"Root-Is-Purelib: false\nTag: {wheel_tag()}\n")
    return {"METADATA": project.metadata().encode(), "WHEEL": wheel.encode(),
            "entry_points.txt": project.entry_points().encode(),
            "LICENSE": (project.source / "LICENSE").read_bytes()}


def write_metadata(project: Project, directory: Path) -> Path:
    """Writes the .dist-info folder into `directory`; returns its path."""
    folder = directory / f"{project.distribution}.dist-info"
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in dist_info_files(project).items():
        (folder / name).write_bytes(data)
    return folder


def package_files(package: Path) -> dict[str, Path]:
    """The files of the package folder a wheel holds, by their path in the wheel:
    Python files, stubs, py.typed and the module compiled for this Python."""
    extension = sysconfig.get_config_var("EXT_SUFFIX")
    chosen = {}
    for path in sorted(package.rglob("*")):
        wanted = path.suffix in (".py", ".pyi") or path.name in ("py.typed", f"_core{extension}")
        if wanted and "__pycache__" not in path.parts:
            chosen[f"{package.name}/{path.relative_to(package)}"] = path
    if f"{package.name}/_core{extension}" not in chosen:
        raise BuildError(f"the build made no {package.name}/_core{extension} in {package.parent}")
    return chosen


def write_wheel(project: Project, package: Path, directory: Path) -> Path:
    """Writes the wheel of `package` into `directory`; returns its path."""
    directory.mkdir(parents=True, exist_ok=True)
    path = directory / f"{project.distribution}-{wheel_tag()}.whl"
    members = {name: file.read_bytes() for name, file in package_files(package).items()}
    info = f"{project.distribution}.dist-info"
    members.update({f"{info}/{name}": data for name, data in dist_info_files(project).items()})
    record = "".join(f"{name},sha256={_digest(data)},{len(data)}\n"
                     for name, data in members.items())
    members[f"{info}/RECORD"] = (record + f"{info}/RECORD,,\n").encode()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as wheel:
        for name, data in members.items():
            member = zipfile.ZipInfo(name, _EPOCH)
            member.external_attr = (0o755 if name.endswith(".so") else 0o644) << 16
            wheel.writestr(member, data, zipfile.ZIP_DEFLATED)
    return path


def _digest(data: bytes) -> str:
    """The RECORD form of a SHA-256: URL-safe base 64 without padding."""
    return base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
