# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The package under what a careless or hostile user can hand it: each case
names what it must raise or print and the files it must leave behind."""

import os
import stat

import numpy as np
import pytest

from ellipsoid_flow import mesh, reference

from conftest import run_command

BODY = mesh.spheroid(0.5, 4, 6)


def fifo_written(tmp_path):
    """What a reader of a named pipe gets; the pipe buffer holds the whole small mesh."""
    os.mkfifo("p.gdf")
    reader = os.open("p.gdf", os.O_RDONLY | os.O_NONBLOCK)
    try:
        mesh.write(BODY, "p.gdf")
        got = os.read(reader, 1 << 16)
    finally:
        os.close(reader)
    return stat.S_ISFIFO(os.stat("p.gdf").st_mode) and got.startswith(b"Ellipsoid Flow mesh")


def replaced(tmp_path):
    os.chmod("m.gdf", 0o604)
    if os.geteuid() == 0:
        os.chown("m.gdf", 1234, 1234)
    mesh.write(BODY, "m.gdf")


def kept_mode_and_owner():
    owner = 1234 if os.geteuid() == 0 else os.getuid()
    return (mode_of("m.gdf"), os.stat("m.gdf").st_uid) == (0o604, owner) and len(
        mesh.read("m.gdf")
    ) == 24


def second_order(tmp_path):
    import meshio

    points = [[0, 0, 0], [1, 0, 0], [0, 1, 0], [0.5, 0, 0], [0.5, 0.5, 0], [0, 0.5, 0]]
    cells = [("line3", [[0, 1, 3]]), ("triangle6", [[0, 1, 2, 3, 4, 5]])]
    meshio.write("second.vtu", meshio.Mesh(points, cells))
    mesh.read("second.vtu")


def the_same_values(tmp_path):
    """The exact table from a file, a meshio.Mesh and (points, cells) arrays."""
    import meshio

    mesh.write(BODY, "b.vtu")
    tables = [
        reference.on_mesh(source, 0.5, alpha=10).cells
        for source in ("b.vtu", meshio.read("b.vtu"), (BODY.points, BODY.cells))
    ]
    return all(table.equals(tables[0]) for table in tables)


def mode_of(name):
    return stat.S_IMODE(os.lstat(name).st_mode)


def umask_027_written(tmp_path):
    old = os.umask(0o027)
    try:
        mesh.write(BODY, "new.dat")
    finally:
        os.umask(old)


def nemoh(vertex_lines):
    return "2 0\n" + vertex_lines + "0 0. 0. 0.\n1 2 3 3\n0 0 0 0\n"


TRIANGLE = "1 0 0 0\n2 1 0 0\n3 0 1 0\n"
LONG_LINE = "1 0 0 \x1b[2J" + "9" * 20000 + "\n"


def on_mesh_command(*arguments):
    return lambda tmp_path: run_command("on-mesh", *arguments, "--lambda", 0.5, cwd=tmp_path)


def compare_command(*arguments):
    return lambda tmp_path: run_command("compare", "study.csv", *arguments, "--lambda", 0.5,
                                        cwd=tmp_path)


# Each case: files to make (name -> text, a mesh, or "->x", a link to x), what to do
# in the folder, what it must raise (exception type, message) or print (exit
# status, standard error), and what must hold afterwards.
CASES = [
    # Mesh and reference tools: files written in place of what they replace,
    # names that clash, panel-code files, cell types, cell numbers, quoted lines.
    pytest.param({}, fifo_written, None, "", lambda: True, id="a named pipe"),
    pytest.param({}, lambda _: mesh.write(BODY, "/dev/full", "gdf"), OSError,
                 "No space left on device: '/dev/full'",
                 lambda: stat.S_ISCHR(os.stat("/dev/full").st_mode), id="a full device"),
    pytest.param({"m.gdf": "old"}, replaced, None, "", kept_mode_and_owner,
                 id="a replaced file keeps its mode and owner"),
    pytest.param({}, umask_027_written, None, "", lambda: mode_of("new.dat") == 0o640,
                 id="a new file as the umask has it"),
    pytest.param({"real.gdf": "old", "m.gdf": "->real.gdf"}, lambda _: mesh.write(BODY, "m.gdf"),
                 None, "", lambda: os.path.islink("m.gdf") and len(mesh.read("real.gdf")) == 24
                 and sorted(os.listdir()) == ["m.gdf", "real.gdf"],
                 id="a name through a link"),
    pytest.param({"m.gdf": BODY}, on_mesh_command("m.gdf", "--csv", "./m.gdf"), 2, "--csv m.gdf would replace the mesh m.gdf",
                 lambda: len(mesh.read("m.gdf")) == 24, id="an output named as the mesh"),
    pytest.param({"m.gdf": BODY, "l.gdf": "->m.gdf"},
                 on_mesh_command("m.gdf", "--vtu", "c.vtu", "--added-mass", "l.gdf"), 2,
                 "--added-mass l.gdf would replace the mesh m.gdf",
                 lambda: not os.path.exists("c.vtu"), id="an output linked to the mesh"),
    pytest.param({"m.gdf": BODY}, on_mesh_command("m.gdf", "--csv", "c.csv", "--added-mass",
                                                  "c.csv"), 2,
                 "--csv c.csv and --added-mass c.csv name the same file",
                 lambda: not os.path.exists("c.csv"), id="two outputs named alike"),
    pytest.param({"m.gdf": BODY, "study.csv": "mesh,cp\nm.gdf,cp.csv\n", "cp.csv": "cell,Cp\n"},
                 compare_command("--table", "cp.csv"), 2, "--table cp.csv would replace the cp file of line 2 cp.csv",
                 lambda: open("cp.csv").read() == "cell,Cp\n", id="a table named as a cp file"),
    pytest.param({"m.dat": nemoh("1 0 0 0\ninf 1 0 0\n3 0 1 0\n")}, lambda _: mesh.read("m.dat"),
                 mesh.MeshError, r"m.dat, line 3: expected a vertex number .*'inf'", lambda: True,
                 id="a vertex numbered inf"),
    pytest.param({"m.dat": nemoh("1 0 0 0\nnan 1 0 0\n3 0 1 0\n")}, lambda _: mesh.read("m.dat"),
                 mesh.MeshError, r"m.dat, line 3: expected a vertex number .*'nan'", lambda: True,
                 id="a vertex numbered nan"),
    pytest.param({"m.dat": nemoh("1 0 0 0\n1.5 1 0 0\n3 0 1 0\n")}, lambda _: mesh.read("m.dat"),
                 mesh.MeshError, r"m.dat, line 3: expected a vertex number .*'1.5'", lambda: True,
                 id="a vertex numbered 1.5"),
    pytest.param({"m.dat": nemoh(TRIANGLE + "2 5 5 5\n")}, lambda _: mesh.read("m.dat"),
                 mesh.MeshError, r"m.dat, line 5: vertex 2 is defined again \(first on line 3\)",
                 lambda: True, id="a vertex defined twice"),
    pytest.param({"m.dat": nemoh(LONG_LINE)}, lambda _: mesh.read("m.dat"), mesh.MeshError,
                 r"^m.dat, line 2: expected 4 numbers, found '1 0 0 \\x1b\[2J9{70}'\.\.\.$",
                 lambda: True, id="a long line with control characters"),
    pytest.param({"m.gdf": "h\n1 9.81\n0 0\n2.5\n" + "0 " * 30}, lambda _: mesh.read("m.gdf"),
                 mesh.MeshError, r"m.gdf, line 4: expected the number of panels .*'2.5'",
                 lambda: True, id="a panel count of 2.5"),
    pytest.param({"m.gdf": "h\n1 9.81\n0 0\n-1\n"}, lambda _: mesh.read("m.gdf"),
                 mesh.MeshError, r"m.gdf, line 4: expected the number of panels .*'-1'",
                 lambda: True, id="a negative panel count"),
    pytest.param({"m.gdf": "h\n1 9.81\n0 0\n1\n" + "0 0 0\n1 0 0\n1 1 0\n0 1 0\n" * 2},
                 lambda _: mesh.read("m.gdf"), mesh.MeshError,
                 r"m.gdf, line 9: 1 panels need 12 coordinates, the file has 24", lambda: True,
                 id="more panels than counted"),
    pytest.param({}, second_order, mesh.MeshError, "second.vtu: holds triangle6 cells",
                 lambda: True, id="a second-order mesh"),
    pytest.param({"cp.csv": "cell,Cp\n" + "".join(f"{k + 1},0\n" for k in range(24))},
                 lambda _: reference.compare([BODY], ["cp.csv"], lamda=0.5),
                 reference.ReferenceDataError,
                 r"cell 24 does not exist: cells count from 0, the mesh has 24 \(0 to 23\)",
                 lambda: True, id="cells counted from 1"),
    pytest.param({}, the_same_values, None, "", lambda: True, id="a mesh given as arrays"),
    # Sizes and tolerances: one positive-number check, raised as each layer's error.
    pytest.param({}, lambda _: mesh.spheroid(0.5, 4, 6, length=float("inf")), mesh.MeshError,
                 "^the length must be a positive number, not inf$", lambda: True,
                 id="an infinite mesh length"),
    pytest.param({}, lambda _: reference.on_mesh(BODY, a="x", b=0.125),
                 reference.ReferenceDataError, "^a must be a positive number, not 'x'$",
                 lambda: True, id="a semi-axis that is no number"),
    pytest.param({"m.gdf": BODY}, on_mesh_command("m.gdf", "--tolerance", "-1"), 1,
                 "error: tolerance must be a positive number, not -1.0\n",
                 lambda: True, id="a negative tolerance"),
]


@pytest.mark.parametrize("files, action, fails, message, after", CASES)
def test_a_fault_is_reported_and_loses_nothing(tmp_path, monkeypatch, files, action, fails,
                                               message, after):
    monkeypatch.chdir(tmp_path)
    for name, content in files.items():
        if isinstance(content, mesh.Mesh):
            mesh.write(content, name)
        elif content.startswith("->"):
            os.symlink(content[2:], name)
        else:
            open(name, "w").write(content)
    if isinstance(fails, int):
        done = action(tmp_path)
        assert done.returncode == fails and message in done.stderr, done.stderr
    elif fails is not None:
        with pytest.raises(fails, match=message):
            action(tmp_path)
    else:
        assert action(tmp_path) is not False
    assert after()
