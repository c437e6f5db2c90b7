# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The pages run as written: every shell and Python block of the README,
docs/python.md and docs/reference.md, in the page's order, in one scratch
folder a page, as a reader following it would (Python blocks in one
interpreter session a page); and the example scripts draw where they are told."""

import json
import os
import re
import shlex
import subprocess
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
PAGES = ("README.md", "docs/python.md", "docs/reference.md")
# "": output shown as text.
SHELL, PYTHON, NOT_RUN = {"sh", "bash"}, {"python"}, {"", "cpp", "cmake"}

# Blocks that are not run, named by page and first line.
LEFT_OUT = {
    ("README.md", "./scripts/run.sh     # builds the program and opens its window"):
        "installs packages, opens the window and runs the test suite",
    ("README.md", "./scripts/benchmark.sh"): "a benchmark",
    ("README.md", "./scripts/field-benchmark.sh"): "a benchmark",
    ("README.md", "./scripts/docs.sh"):
        "builds the module and both references; docs.python_reference and docs.cpp do in the tests",
    ("README.md", "g++ main.cpp $(pkg-config --cflags --libs ellipsoid-flow) -o consumer"):
        "needs libellipsoid-flow-dev installed; tests/packaging/consumer_test.py builds the same "
        "program both ways against an install",
    ("README.md", "./scripts/package.sh && sudo apt install ./build-package/*.deb"):
        "builds and installs the Debian packages",
    ("README.md", "python3 -m venv --system-site-packages ~/venvs/flow"):
        "pip installs; python.install_pip takes this route",
    ("README.md", "python3 -m build --wheel --no-isolation      "
                  "# writes dist/ellipsoid_flow-*.whl"):
        "builds and installs a wheel; python.install_pip takes this route",
    ("docs/python.md", "from dask.distributed import Client"): "needs a Dask cluster",
    ("docs/reference.md", "python3 examples/panel_convergence.py --output study "
                          "--figure docs/reference-convergence.png"):
        "the whole study is minutes of dense solves; its small form runs elsewhere here",
    ("docs/reference.md", "python3 examples/radiation_convergence.py --output radiation "
                          "--figure docs/reference-radiation.png"):
        "the whole study is minutes of dense solves; its small form runs elsewhere here",
}

# Each block's statements run in the session's __main__, so that later blocks
# see earlier names and process pools can pickle functions the blocks define.
SESSION = r"""
import json, sys, traceback, __main__
replies, sys.stdout = sys.stdout, sys.stderr
for line in iter(sys.stdin.readline, ""):
    block = json.loads(line)
    try:
        exec(compile(block["code"], block["name"], "exec"), __main__.__dict__)
        reply = ""
    except BaseException:
        reply = traceback.format_exc()
    print(json.dumps(reply), file=replies, flush=True)
"""


def blocks(page):
    """(language, code) of each fenced block of a page, in order, unindented."""
    found, fence = [], re.compile(r"^( *)```(\w*)\s*$")
    language = None
    for line in (ROOT / page).read_text().splitlines():
        opening = fence.match(line)
        if language is None and opening:
            indent, language, body = len(opening[1]), opening[2], []
        elif language is not None and line.strip() == "```":
            found.append((language, "\n".join(body) + "\n"))
            language = None
        elif language is not None:
            body.append(line[indent:])
    return found


def first_line(code):
    return code.splitlines()[0]


RUN = [(page, language, code) for page in PAGES for language, code in blocks(page)
       if language in SHELL | PYTHON and (page, first_line(code)) not in LEFT_OUT]


class Reader:
    """A page's scratch folder, its shell and its Python session."""

    def __init__(self, folder, environment):
        self.folder, self.environment = folder, environment
        # The pages name the example scripts by their path in a clone.
        (folder / "examples").symlink_to(ROOT / "examples")
        self.log = open(folder.parent / f"{folder.name}.log", "w")
        self.session = subprocess.Popen([sys.executable, "-c", SESSION], cwd=folder,
                                        env=environment,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=self.log, text=True)

    def shell(self, code):
        done = subprocess.run(["bash", "-e", "-c", code], cwd=self.folder, env=self.environment,
                              capture_output=True, text=True)
        assert done.returncode == 0, f"exit {done.returncode}\n{done.stdout}\n{done.stderr}"

    def python(self, name, code):
        self.session.stdin.write(json.dumps({"name": name, "code": code}) + "\n")
        self.session.stdin.flush()
        reply = self.session.stdout.readline()
        assert reply, f"the Python session ended; its output is in {self.log.name}"
        assert json.loads(reply) == ""

    def close(self):
        self.session.stdin.close()
        self.session.wait()
        self.log.close()


@pytest.fixture(scope="module")
def readers(cli, tmp_path_factory):
    """A Reader for each page, made at its first block: the build's program
    first on the path, and `python3` the Python running the tests, for which
    the module is built or installed (a script, so that a virtual
    environment's stays in it)."""
    tools = tmp_path_factory.mktemp("bin")
    (tools / "python3").write_text(f'#!/bin/sh\nexec {shlex.quote(sys.executable)} "$@"\n')
    (tools / "python3").chmod(0o755)
    path = os.pathsep.join([str(tools), str(Path(cli.program).parent), os.environ["PATH"]])
    environment = dict(os.environ, PATH=path)
    made = {}

    def reader(page):
        if page not in made:
            made[page] = Reader(tmp_path_factory.mktemp("page"), environment)
        return made[page]

    yield reader
    for one in made.values():
        one.close()


@pytest.mark.parametrize("page, language, code", RUN,
                         ids=[f"{page}: {first_line(code)}" for page, _, code in RUN])
def test_a_block_runs_as_written(readers, page, language, code):
    reader = readers(page)
    if language in SHELL:
        reader.shell(code)
    else:
        reader.python(f"<{page}: {first_line(code)}>", code)


def test_every_block_is_run_or_left_out_by_name():
    on_pages = {(page, first_line(code)): language for page in PAGES
                for language, code in blocks(page)}
    assert set(LEFT_OUT) <= set(on_pages)
    assert set(on_pages.values()) <= SHELL | PYTHON | NOT_RUN


@pytest.mark.parametrize("example, figure", [("inertia_coefficients.py", "python-inertia.png"),
                                             ("surface_cp.py", "python-surface-cp.png"),
                                             ("velocity_field.py", "python-velocity-field.png")])
def test_an_example_is_a_program_that_draws_where_it_is_told(tmp_path, example, figure):
    (tmp_path / "told").mkdir()
    for arguments, drawn in (([tmp_path / "told" / "figure.png"], tmp_path / "told" / "figure.png"),
                             ([], tmp_path / figure)):
        done = subprocess.run([sys.executable, ROOT / "examples" / example, *arguments],
                              cwd=tmp_path, capture_output=True, text=True)
        assert done.returncode == 0, done.stderr
        assert drawn.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
    assert sorted(p.name for p in tmp_path.rglob("*")) == sorted(["told", "figure.png", figure])
