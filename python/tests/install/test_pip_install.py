# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""pip and the wheel as a user installs them: a clean copy of the sources, a
fresh virtual environment of Debian's Python (seeing the system's NumPy and
the rest), no package index; then the module's own tests against the
installed copy, from outside the sources and without PYTHONPATH."""

import os
import shutil
import subprocess
import sysconfig
import zipfile
from pathlib import Path

import pytest

SOURCE = Path(__file__).resolve().parents[3]
DEBIAN_PYTHON = "/usr/bin/python3"  # externally managed: pip installs only into a venv
FACTS = """import ellipsoid_flow, importlib.metadata as m
print(ellipsoid_flow.__file__, m.version("ellipsoid-flow"), ellipsoid_flow.__version__)"""


def run(command, **options):
    done = subprocess.run([str(part) for part in command], capture_output=True, text=True,
                          **options)
    assert done.returncode == 0, f"{command}: exit {done.returncode}\n{done.stdout}\n{done.stderr}"
    return done.stdout


def clean_copy(target):
    """The files git knows of, as they are now; outside a clone, the tree without build folders."""
    listed = subprocess.run(["git", "-C", SOURCE, "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], capture_output=True)
    if listed.returncode != 0:
        junk = shutil.ignore_patterns("build*", ".git", "__pycache__")
        return shutil.copytree(SOURCE, target, ignore=junk, symlinks=True)
    for name in filter(None, listed.stdout.decode().split("\0")):
        if (SOURCE / name).is_file():
            (target / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(SOURCE / name, target / name, follow_symlinks=False)
    return target


def fresh_venv(folder):
    """A virtual environment of Debian's Python that sees the system's packages; its bin/."""
    run([DEBIAN_PYTHON, "-m", "venv", "--system-site-packages", folder])
    return folder / "bin"


def user_environment(bin_folder):
    """A user's shell with the environment activated: its commands first, no PYTHONPATH."""
    environment = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
    environment.update(PATH=f"{bin_folder}{os.pathsep}{os.environ['PATH']}",
                       PYTHONDONTWRITEBYTECODE="1")
    return environment


@pytest.fixture(scope="module")
def tree(tmp_path_factory):
    return clean_copy(tmp_path_factory.mktemp("source"))


@pytest.fixture(scope="module")
def cmake_folder(tmp_path_factory):
    """One CMake build for both routes: the wheel's updates the pip install's."""
    return tmp_path_factory.mktemp("cmake")


@pytest.fixture(scope="module")
def pip_installed(tree, cmake_folder, tmp_path_factory):
    bin_folder = fresh_venv(tmp_path_factory.mktemp("pip") / "venv")
    run([bin_folder / "python", "-m", "pip", "install", "--no-index", "--no-build-isolation",
         "--config-settings", f"build-dir={cmake_folder}", "."], cwd=tree)
    return bin_folder


@pytest.fixture(scope="module")
def wheel(tree, cmake_folder, tmp_path_factory):
    dist = tmp_path_factory.mktemp("dist")
    run([DEBIAN_PYTHON, "-m", "build", "--wheel", "--no-isolation", "--outdir", dist,
         f"--config-setting=build-dir={cmake_folder}", tree])
    (found,) = dist.glob("*.whl")
    return found


def check_installed(bin_folder, outside):
    """The module imports from the environment, with the project's version in
    both places; the command runs even with no environment on the path."""
    file, metadata_version, module_version = run(
        [bin_folder / "python", "-c", FACTS], cwd=outside,
        env=user_environment(bin_folder)).split()
    assert Path(file).is_relative_to(bin_folder.parent), file
    assert metadata_version == module_version
    if "ELLIPSOID_FLOW_CLI" in os.environ:  # the C++ program's, from the same project() line
        assert run([os.environ["ELLIPSOID_FLOW_CLI"], "--version"]).split()[1] == module_version
    bare = {"PATH": "/usr/bin:/bin", "HOME": str(outside)}
    usage = run([bin_folder / "ellipsoid-flow-reference", "--help"], cwd=outside, env=bare)
    assert usage.startswith("usage: ellipsoid-flow-reference")


def test_pip_installs_the_module_and_its_tests_pass_on_the_installed_copy(pip_installed, tree,
                                                                          tmp_path):
    check_installed(pip_installed, tmp_path)
    tests = sorted((tree / "python" / "tests").glob("test_*.py"))
    run([pip_installed / "python", "-m", "pytest", "-q", "-p", "no:cacheprovider", *tests],
        cwd=tmp_path, env=user_environment(pip_installed))


def test_the_wheel_holds_the_package_and_installs_the_same_way(wheel, tree, tmp_path):
    package = tree / "python" / "ellipsoid_flow"
    sources = {f"ellipsoid_flow/{p.relative_to(package)}" for p in package.rglob("*")
               if p.suffix in (".py", ".pyi") or p.name == "py.typed"}
    names = set(zipfile.ZipFile(wheel).namelist())
    compiled = f"ellipsoid_flow/_core{sysconfig.get_config_var('EXT_SUFFIX')}"
    assert {n for n in names if n.startswith("ellipsoid_flow/")} == sources | {compiled}
    bin_folder = fresh_venv(tmp_path / "venv")
    run([bin_folder / "python", "-m", "pip", "install", "--no-index", wheel], cwd=tmp_path)
    check_installed(bin_folder, tmp_path)
    run([bin_folder / "python", "-m", "pytest", "-q", "-p", "no:cacheprovider",
         tree / "python" / "tests" / "test_reference.py"], cwd=tmp_path,
        env=user_environment(bin_folder))
