# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The package's metadata: pyproject.toml's [project] table, with the version
from its one home, the project() line of CMakeLists.txt."""

import re
import tomllib
from pathlib import Path

from ._errors import BuildError

# The [project] keys this backend turns into metadata; any other is refused,
# so that a key added to pyproject.toml is not silently dropped.
_KNOWN = {"name", "dynamic", "description", "readme", "license", "authors", "requires-python",
          "dependencies", "optional-dependencies", "scripts"}
_VERSION = re.compile(r"^project\(\s*[\w-]+\s+VERSION\s+([0-9][0-9.]*)\b", re.MULTILINE)


class Project:
    """pyproject.toml and the version of the source tree at `source`."""

    def __init__(self, source: Path):
        self.source = source
        with open(source / "pyproject.toml", "rb") as f:
            self.table = tomllib.load(f)["project"]
        unknown = set(self.table) - _KNOWN
        if unknown:
            raise BuildError(f"pyproject.toml: [project] keys this backend does not write: "
                             f"{', '.join(sorted(unknown))}")
        self.name = self.table["name"]
        self.version = cmake_version(source / "CMakeLists.txt")

    @property
    def distribution(self) -> str:
        """The name as wheel and .dist-info file names spell it."""
        return f"{re.sub(r'[-_.]+', '_', self.name).lower()}-{self.version}"

    def metadata(self) -> str:
        """The METADATA file (core metadata 2.1)."""
        t = self.table
        lines = [("Metadata-Version", "2.1"), ("Name", self.name), ("Version", self.version),
                 ("Summary", t["description"]), ("License", t["license"]["text"])]
        lines += [("Author-email", f"{a['name']} <{a['email']}>") for a in t.get("authors", [])]
        lines += [("Requires-Python", t["requires-python"])]
        lines += [("Requires-Dist", d) for d in t.get("dependencies", [])]
        for extra, requirements in t.get("optional-dependencies", {}).items():
            lines += [("Provides-Extra", extra)]
            lines += [("Requires-Dist", f'{r}; extra == "{extra}"') for r in requirements]
        text = "".join(f"{key}: {value}\n" for key, value in lines)
        if "readme" in t:
            readme = (self.source / t["readme"]).read_text(encoding="utf-8")
            text += f"Description-Content-Type: text/markdown\n\n{readme}"
        return text

    def entry_points(self) -> str:
        """The entry_points.txt file: the console commands."""
        scripts = self.table.get("scripts", {})
        return "[console_scripts]\n" + "".join(f"{k} = {v}\n" for k, v in scripts.items())


def cmake_version(path: Path) -> str:
    """The VERSION of the project() command in the CMakeLists.txt at `path`."""
    found = _VERSION.search(path.read_text(encoding="utf-8"))
    if not found:
        raise BuildError(f"{path}: no project(NAME VERSION X.Y.Z ...) line")
    return found[1]
