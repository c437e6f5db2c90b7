# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The package under what a careless or hostile user can hand it: each case
names what it must raise or print and the files it must leave behind."""

import json
import os
import pickle
import re
import stat
import subprocess
import sys
import textwrap

import mpmath

import numpy as np
import pytest

import ellipsoid_flow as ef
from ellipsoid_flow import mesh, reference

from conftest import posed_mesh, proper_rotation, run_command

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


def compare_radiation(result):
    """The comparison of `result` on BODY, the 24 cells of the ellipsoid of semi-axes 0.5, 0.25, 0.25."""
    return reference.compare([BODY], [result], axes=(0.5, 0.25, 0.25))


def modes_of(cells):
    """A mode-potential file of zeros, a row for each of `cells`."""
    return "cell,phi1,phi2,phi3,phi4,phi5,phi6\n" + "".join(f"{c},0,0,0,0,0,0\n" for c in cells)


def posed_command(*arguments):
    return lambda tmp_path: run_command("on-mesh", "e.gdf", "--axes", "3,2,1", *arguments,
                                        cwd=tmp_path)


OVAL = mesh.ellipsoid(3, 2, 1, 6, 8)
TURN = proper_rotation(3)
MIRROR = "1,0,0,0,1,0,0,0,-1"


FLOW = ef.Spheroid(0.2).flow(10, 5)
# Views that cost no memory, whose contiguous copy is beyond any address space.
HUGE_POINTS = np.broadcast_to([1.0, 0, 0], (10**13, 3))
HUGE_ANGLES = np.broadcast_to(30.0, (10**14,))
NO_STATE = b"\x80\x02cellipsoid_flow._core\nSpheroid\n)\x81."  # a pickle naming the class only


def unmade(cls):
    """An instance whose constructor never ran, as a pickle without state makes it."""
    return cls.__new__(cls)


def properties(cls):
    return [name for name, value in vars(cls).items() if isinstance(value, property)]


def unmade_ellipsoid_calls():
    """A call of every method and property of the ellipsoid's classes on an unmade instance."""
    made = {ef.Ellipsoid: ef.Ellipsoid(3.0, 2.0, 1.0)}
    made[ef.EllipsoidFlow], made[ef.EllipsoidMotion] = made[ef.Ellipsoid].flow(), made[ef.Ellipsoid].motion(1)
    calls = [(cls, name, lambda o, name=name: getattr(o, name))
             for cls in made for name in properties(cls)]
    calls += [(cls, name, repr if name == "repr" else pickle.dumps)
              for cls in made for name in ("repr", "pickle")]
    calls += [(ef.Ellipsoid, name, lambda o, name=name: getattr(o, name)([3.0, 0, 0]))
              for name in ("contains", "mode_potentials", "mode_normals", "added_mass")]
    calls += [(ef.Ellipsoid, "flow", lambda o: o.flow()), (ef.Ellipsoid, "motion", lambda o: o.motion()),
              (ef.EllipsoidFlow, "munk_moment", lambda o: o.munk_moment())]
    calls += [(cls, name, lambda o, name=name: getattr(o, name)([4.0, 0, 0]))
              for cls in (ef.EllipsoidFlow, ef.EllipsoidMotion) for name in ("velocity", "potential")]
    return [pytest.param({}, lambda _, cls=cls, call=call: call(unmade(cls)), TypeError,
                         f"^{cls.__name__} object was made without running its constructor",
                         lambda: True, id=f"{cls.__name__} made without its constructor: {name}")
            for cls, name, call in calls]


def fortran_copy_beyond_the_memory_limit(tmp_path):
    """A Fortran-order array to be copied where the address space has no room for the copy."""
    script = textwrap.dedent("""
        import os, resource, numpy as np, ellipsoid_flow as ef
        flow = ef.Spheroid(0.2).flow(10, 5)
        points = np.asfortranarray(np.full((10_000_000, 3), 2.0))  # 240 MB to copy
        pages = int(open("/proc/self/statm").read().split()[0])
        room = pages * os.sysconf("SC_PAGE_SIZE") + 100 * 2**20
        resource.setrlimit(resource.RLIMIT_AS, (room, room))
        flow.velocity(points)
    """)
    return subprocess.run([sys.executable, "-c", script], capture_output=True, text=True)


def unmade_calls():
    """A call of every method and property of each class on an unmade instance."""
    calls = [(cls, name, lambda o, name=name: getattr(o, name))
             for cls in (ef.Spheroid, ef.Flow, ef.FlowState) for name in properties(cls)]
    calls += [(cls, "repr", repr) for cls in (ef.Spheroid, ef.Flow)]
    calls += [(cls, "pickle", pickle.dumps) for cls in (ef.Spheroid, ef.Flow, ef.FlowState)]
    calls += [(ef.Spheroid, "contains", lambda o: o.contains([1.0, 0, 0])),
              (ef.Spheroid, "confocal_integrals", lambda o: o.confocal_integrals(0.0)),
              (ef.Spheroid, "added_mass", lambda o: o.added_mass()),
              (ef.Spheroid, "flow", lambda o: o.flow()),
              (ef.Flow, "surface", lambda o: o.surface(0, 0)),
              (ef.Flow, "munk_moment", lambda o: o.munk_moment()),
              (ef.Flow, "streamline", lambda o: o.streamline([2.0, 0, 0], 1.0)),
              (ef.FlowState, "run", lambda o: ef.run(0.2, 18, 1, 0, 0, state=o))]
    calls += [(ef.Flow, name, lambda o, name=name: getattr(o, name)([2.0, 0, 0]))
              for name in ("velocity", "potential", "cu", "cp", "field", "cp_min_curve")]
    return [pytest.param({}, lambda _, cls=cls, call=call: call(unmade(cls)), TypeError,
                         f"^{cls.__name__} object was made without running its constructor",
                         lambda: True, id=f"{cls.__name__} made without its constructor: {name}")
            for cls, name, call in calls]


def added_mass_in_mpmath(body, about, rho):
    """Tᵀ diag(k1 m, k2 m, k2 m, 0, k' J, k' J) T in mpmath, whose exponents have no bound."""
    m = mpmath.mpf(rho) * body.volume
    J = m * (mpmath.mpf(body.a) ** 2 + mpmath.mpf(body.b) ** 2) / 5
    x, y, z = map(mpmath.mpf, about)
    T = mpmath.eye(6)
    T[0:3, 3:6] = mpmath.matrix([[0, -z, y], [z, 0, -x], [-y, x, 0]])
    centre = mpmath.diag([body.k1 * m, body.k2 * m, body.k2 * m, 0, body.k_prime * J,
                          body.k_prime * J])
    return np.array((T.T * centre * T).tolist(), dtype=float)


def munk_moment_in_mpmath(flow, rho, speed, length):
    """ρ U² V (k2 − k1) d₁ (0, d₃, −d₂), V of the body `length` long."""
    body, d = flow.spheroid, [mpmath.mpf(c) for c in flow.stream]
    scale = mpmath.mpf(rho) * mpmath.mpf(speed) ** 2 * body.volume * mpmath.mpf(length) ** 3
    return np.array([0, scale * (body.k2 - body.k1) * d[0] * d[2],
                     -scale * (body.k2 - body.k1) * d[0] * d[1]], dtype=float)


SLENDER = ef.Spheroid(0.2)
SHIP = ef.Spheroid(a=40.0, b=5.0)  # Spheroid(0.125) 80 m long


def equal_to_14_digits(got, expected):
    np.testing.assert_allclose(got, expected, rtol=1e-14, atol=0)


# out=: arrays that cannot take a result, each filled with UNTOUCHED, which
# they and the points must still hold after the refusal.
UNTOUCHED = 7.0
ON_321 = np.array([[3.0, 0, 0], [0, 2, 0], [0, 0, 1], [-3, 0, 0]] * 2).reshape(4, 2, 3)


def out_methods():
    """(name, call(points, out), result shape) of each method with out= of one array."""
    body = ef.Ellipsoid(3.0, 2.0, 1.0)
    last = {"velocity": (3,), "mode_potentials": (6,), "mode_normals": (6,)}
    return [(f"{type(owner).__name__}.{name}", getattr(owner, name), (4, 2) + last.get(name, ()))
            for owner, names in ((FLOW, "potential velocity cu cp"),
                                 (body.flow(10, 5), "potential velocity cu cp"),
                                 (body.motion(1, 0, 0, 0, 0, 1), "potential velocity"),
                                 (body, "mode_potentials mode_normals"))
            for name in names.split()]


def bad_outs(shape):
    """(what, out, the message's "got ...") of arrays a result of `shape` cannot go into."""
    read_only = np.full(shape, UNTOUCHED)
    read_only.flags.writeable = False
    return [("a wrong shape", np.full((5,) + shape[1:], UNTOUCHED), f"shape {(5,) + shape[1:]}"),
            ("float32", np.full(shape, UNTOUCHED, np.float32), "dtype float32"),
            ("Fortran order", np.asfortranarray(np.full(shape, UNTOUCHED)),
             "an array that is not C-contiguous"),
            ("a strided slice", np.full((8,) + shape[1:], UNTOUCHED)[::2],
             "an array that is not C-contiguous"),
            ("read-only", read_only, "a read-only array"),
            ("a list", np.full(shape, UNTOUCHED).tolist(), "an object of type list")]


def untouched(points, *outs):
    return np.array_equal(points, ON_321) and all(
        np.all(np.asarray(o) == UNTOUCHED) for o in outs if isinstance(o, np.ndarray))


def sharing_points(shape):
    """Points and an out array whose memory overlaps theirs."""
    memory = np.full(24 + np.prod(shape), UNTOUCHED)
    memory[:24] = ON_321.ravel()
    return memory[:24].reshape(ON_321.shape), memory[12:12 + np.prod(shape)].reshape(shape)


def refused_out_cases():
    expected = "^{}: expected a writeable C-contiguous float64 array of shape {}, got {}$"
    cases = []
    for name, call, shape in out_methods():
        points = ON_321.copy()
        cases += [pytest.param({}, lambda _, call=call, points=points, out=out: call(points, out=out),
                               ValueError, expected.format("out", re.escape(str(shape)), re.escape(got)),
                               lambda points=points, out=out: untouched(points, out),
                               id=f"out= {what}: {name}") for what, out, got in bad_outs(shape)]
        shared, out = sharing_points(shape)
        cases.append(pytest.param({}, lambda _, call=call, shared=shared, out=out: call(shared, out=out),
                                  ValueError, "^out: expected an array apart from the points, got "
                                  "one sharing memory with it$",
                                  lambda shared=shared: untouched(shared), id=f"out= sharing the points: {name}"))
    return cases


def field_out_cases():
    """field(out=) given tuples one of whose arrays cannot take its quantity."""
    shapes = [(4, 2), (4, 2, 3), (4, 2), (4, 2)]
    good = [np.full(s, UNTOUCHED) for s in shapes]
    points = ON_321.copy()
    cases = [(what, (*good[:3], out), f"^out\\[3\\]: expected a writeable C-contiguous float64 array "
              f"of shape \\(4, 2\\), got {re.escape(got)}$") for what, out, got in bad_outs((4, 2))]
    cases += [("a tuple of 3", tuple(good[:3]), "^out: expected a tuple of 4 arrays, got a tuple of 3$"),
              ("a list of 4", good, "^out: expected a tuple of 4 arrays, got an object of type list$"),
              ("one array", good[1], "^out: expected a tuple of 4 arrays, got an object of type ndarray$"),
              ("Cp in Cu's array", (*good[:3], good[2]),
               r"^out\[3\]: expected an array apart from out\[2\], got one sharing memory with it$")]
    return [pytest.param({}, lambda _, flow=flow, out=out: flow.field(points, out=out), ValueError, message,
                         lambda out=out: untouched(points, *good, *(out if isinstance(out, tuple) else ())),
                         id=f"field(out=) {what}: {name}")
            for name, flow in (("Flow", FLOW), ("EllipsoidFlow", ef.Ellipsoid(3.0, 2.0, 1.0).flow()))
            for what, out, message in cases]


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
    # The ellipsoid in a pose: its axes, its rotation, the body given twice, a mesh
    # that does not fit it, meshes handed over in memory.
    pytest.param({}, lambda _: reference.on_mesh(OVAL, axes=(3, 0, 1)), reference.ReferenceDataError,
                 "^b must be a positive number, not 0$", lambda: True, id="an axis of 0"),
    pytest.param({}, lambda _: reference.on_mesh(OVAL, axes=(3, 2)), reference.ReferenceDataError,
                 r"^axes must be three semi-axes \(a, b, c\), not \(3, 2\)$", lambda: True,
                 id="two axes"),
    pytest.param({}, lambda _: reference.on_mesh(OVAL, axes=(3, 2, 1), rotation=-TURN),
                 ValueError, "det", lambda: True, id="a reflection for the body's pose"),
    pytest.param({}, lambda _: reference.on_mesh(OVAL, axes=(3, 2, 1), rotation=TURN[:2]),
                 ValueError, "^rotation must be a 3 x 3 matrix", lambda: True,
                 id="a pose of two rows"),
    pytest.param({}, lambda _: reference.on_mesh(OVAL, 0.5, axes=(3, 2, 1)),
                 reference.ReferenceDataError, "by axes or as a spheroid, not both", lambda: True,
                 id="axes with lamda"),
    pytest.param({}, lambda _: reference.on_mesh(BODY, 0.5, rotation=TURN),
                 reference.ReferenceDataError, r"^a rotation needs the body given by axes",
                 lambda: True, id="a rotation for a spheroid"),
    pytest.param({}, lambda _: reference.on_mesh(OVAL, axes=(3, 2, 1), rotation=TURN),
                 reference.ReferenceDataError, r"does not fit the ellipsoid a = 3, b = 2, c = 1: "
                 r"vertex \d+ .*; check the body's axes, centre and rotation$", lambda: True,
                 id="a mesh not turned as the body"),
    pytest.param({}, lambda _: reference.on_mesh(posed_mesh(OVAL, TURN, [0, 0, 1]), axes=(3, 2, 1),
                                                 rotation=TURN), reference.ReferenceDataError,
                 "does not fit the ellipsoid", lambda: True, id="a mesh moved but not the body"),
    pytest.param({}, lambda _: reference.on_mesh((OVAL.points, OVAL.cells, True), axes=(3, 2, 1)),
                 mesh.MeshError, r"^a mesh given as arrays must be the pair \(points, cells\), not 3",
                 lambda: True, id="a mesh as three arrays"),
    pytest.param({}, lambda _: reference.on_mesh((OVAL.points[:, :2], OVAL.cells), axes=(3, 2, 1)),
                 mesh.MeshError, r"^the vertices must be an \(N, 3\) array", lambda: True,
                 id="a mesh of two coordinates"),
    pytest.param({}, lambda _: reference.on_mesh(OVAL.points, axes=(3, 2, 1)), mesh.MeshError,
                 "^expected a mesh.Mesh, .* not ndarray$", lambda: True, id="a mesh as one array"),
    pytest.param({"e.gdf": OVAL}, posed_command("--lambda", "0.5"), 2,
                 "--axes gives the body: leave out --lambda, --a and --b", lambda: True,
                 id="--axes with --lambda"),
    pytest.param({"e.gdf": OVAL}, posed_command("--rotation", MIRROR, "--csv", "c.csv"), 2,
                 "--rotation: ", lambda: not os.path.exists("c.csv"), id="a mirror for --rotation"),
    pytest.param({"e.gdf": OVAL}, posed_command("--rotation", "1,0,0,0,1,0"), 2,
                 "expected nine numbers R11,R12,...,R33, not '1,0,0,0,1,0'", lambda: True,
                 id="six numbers for --rotation"),
    pytest.param({"e.gdf": OVAL}, lambda here: run_command(
        "on-mesh", "e.gdf", "--a", "3", "--b", "2", "--rotation", "0,0,1,1,0,0,0,1,0", cwd=here), 2,
                 "--rotation needs the ellipsoid given by --axes", lambda: True,
                 id="--rotation without --axes"),
    pytest.param({"e.gdf": OVAL}, lambda here: run_command(
        "on-mesh", "e.gdf", "--axes", "3,2,2", "--csv", "c.csv", cwd=here), 1,
                 "does not fit the ellipsoid a = 3, b = 2, c = 2", lambda: not os.path.exists("c.csv"),
                 id="--axes of another body"),
    # The compiled core: copies that cannot be made, objects made without their
    # constructor, points beyond the flow's range, folder names.
    *[pytest.param({}, lambda _, name=name: getattr(FLOW, name)(HUGE_POINTS), MemoryError,
                   "^points must be copied as contiguous float64, and there is no memory",
                   lambda: True, id=f"a copy too large for memory: {name}")
      for name in ("velocity", "potential", "cu", "cp", "field")],
    pytest.param({}, lambda _: FLOW.spheroid.contains(HUGE_POINTS), MemoryError, "^points",
                 lambda: True, id="a copy too large for memory: contains"),
    pytest.param({}, lambda _: FLOW.surface(HUGE_ANGLES, 0), MemoryError, "^FI", lambda: True,
                 id="a copy too large for memory: surface"),
    pytest.param({}, lambda _: FLOW.cp_min_curve(HUGE_ANGLES), MemoryError, "^t", lambda: True,
                 id="a copy too large for memory: cp_min_curve"),
    pytest.param({}, fortran_copy_beyond_the_memory_limit, 1,
                 "MemoryError: points must be copied as contiguous float64", lambda: True,
                 id="a Fortran-order copy beyond the memory limit"),
    pytest.param({}, lambda _: pickle.loads(NO_STATE).a, TypeError,
                 "^Spheroid object was made without running its constructor", lambda: True,
                 id="a Spheroid from a pickle without state"),
    *unmade_calls(),
    pytest.param({}, lambda _: unmade(ef.Flow).__setstate__((unmade(ef.Spheroid), 0.0, 0.0)),
                 TypeError, "^Spheroid object", lambda: True,
                 id="a Flow pickled with an unmade Spheroid"),
    pytest.param({}, lambda _: ef.run(0.2, 18, 1, 0, 0, folder="a\0b"), ValueError,
                 r"^folder '.*a\\x00b' holds a NUL character", lambda: os.listdir() == [],
                 id="a folder named with a NUL"),
    pytest.param({}, lambda _: FLOW.velocity([[0.0, 0, 0], [1e61, 0, 0]], inside="nan"),
                 ValueError, r"^points must not lie too far from the body, but point 1 "
                 r"\(flat index\) is \(1e\+61, 0, 0\)$", lambda: True,
                 id="a point too far with inside='nan'"),
    pytest.param({}, lambda _: FLOW.field([[[0.0, 0, -1e300]]], inside="nan"), ValueError,
                 "too far from the body, but point 0 ", lambda: True,
                 id="a field point too far with inside='nan'"),
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
    # inertia: dimensional results, in range or an OverflowError naming them
    pytest.param({}, lambda _: SLENDER.added_mass(rho=1e300, length=1e50), OverflowError,
                 r"added-mass entry M11 is about 1.24E\+447.*density 1e\+300", lambda: True,
                 id="added mass beyond a double"),
    pytest.param({}, lambda _: equal_to_14_digits(
        SLENDER.added_mass(about=(1e160, 0, 0), rho=1e-300),
        added_mass_in_mpmath(SLENDER, (1e160, 0, 0), 1e-300)),
                 None, "", lambda: True, id="lever arm squared beyond a double"),
    pytest.param({}, lambda _: equal_to_14_digits(
        SLENDER.added_mass(about=(3e150, -1e149, 2e-200), rho=1e-290, length=7),
        added_mass_in_mpmath(ef.Spheroid(a=3.5, b=0.7), (3e150, -1e149, 2e-200), 1e-290)),
                 None, "", lambda: True, id="lever arms far apart"),
    pytest.param({}, lambda _: SLENDER.flow(10, 0).munk_moment(rho=1e300, speed=1e200),
                 OverflowError, "Munk moment y component is about 2.99E", lambda: True,
                 id="Munk moment beyond a double"),
    pytest.param({}, lambda _: equal_to_14_digits(
        SLENDER.flow(0, 0).munk_moment(rho=1e300, speed=1e200), np.zeros(3)),
                 None, "", lambda: True, id="no Munk moment along the axis"),
    pytest.param({}, lambda _: equal_to_14_digits(
        SLENDER.flow(20, 30).munk_moment(rho=1e-300, speed=1e170, length=3),
        munk_moment_in_mpmath(SLENDER.flow(20, 30), 1e-300, 1e170, 3)),
                 None, "", lambda: True, id="speed squared beyond a double"),
    pytest.param({}, lambda _: equal_to_14_digits(
        ef.Spheroid(0.125).added_mass(about=(-5, 0, 0), rho=1025, length=80),
        added_mass_in_mpmath(SHIP, (-5, 0, 0), 1025)),
                 None, "", lambda: True, id="reference point in metres"),
    # The ellipsoid from Python: objects made without their constructor, wrong
    # arguments, results beyond a double.
    *unmade_ellipsoid_calls(),
    pytest.param({}, lambda _: unmade(ef.EllipsoidFlow).__setstate__(
        (unmade(ef.Ellipsoid), 0.0, 0.0, None)), TypeError, "^Ellipsoid object", lambda: True,
                 id="an EllipsoidFlow pickled with an unmade Ellipsoid"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 2.0, 1.0).flow(10, direction=(1, 0, 0)),
                 TypeError, "either the angles alpha and beta or a direction", lambda: True,
                 id="a stream given by angles and a direction"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 2.0, 1.0).added_mass(rotation=np.eye(2)),
                 ValueError, "^rotation must be a 3 x 3 matrix", lambda: True,
                 id="a pose of the wrong shape"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 2.0, 1.0).added_mass(rotation=-np.eye(3)),
                 ValueError, "det", lambda: True, id="a reflection for a pose"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 0.0, 1.0), ValueError, "", lambda: True,
                 id="an ellipsoid of a zero axis"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 2.0, 1.0).mode_normals([4.0, 0, 0]),
                 ValueError, "", lambda: True, id="a mode normal off the body"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 2.0, 1.0).flow(20, 30).munk_moment(1e300, 1e200),
                 OverflowError, "^Munk moment x component is about .*, beyond the largest double", lambda: True,
                 id="an ellipsoid's Munk moment beyond a double"),
    pytest.param({}, lambda _: ef.Ellipsoid(3.0, 2.0, 1.0).added_mass(about=(1e300, 0, 0)),
                 OverflowError, "^added-mass entry M55 is about 3.42E\\+601", lambda: True,
                 id="an ellipsoid's added mass beyond a double"),
    # M55 = M33 x² + I55 about the centre, I55 some 1E-300 here: x² alone is beyond a double.
    pytest.param({}, lambda _: equal_to_14_digits(
        ef.Ellipsoid(3.0, 2.0, 1.0).added_mass(about=(1e160, 0, 0), rho=1e-300)[4, 4],
        float(mpmath.mpf(ef.Ellipsoid(3.0, 2.0, 1.0).added_mass(rho=1e-300)[2, 2])
              * mpmath.mpf(1e160) ** 2)),
                 None, "", lambda: True, id="an ellipsoid's lever arm squared beyond a double"),
    # A peer's radiation results: mode potentials and added mass refused by file and line.
    pytest.param({"phi.csv": "cell,phi1,phi2,phi3,phi4,phi5\n0,0,0,0,0,0\n"},
                 lambda _: compare_radiation({"phi": "phi.csv"}), reference.ReferenceDataError,
                 r"^phi.csv, line 1: needs the columns cell and phi1 … phi6; missing 'phi6'$",
                 lambda: True, id="a mode missing"),
    pytest.param({"phi.csv": modes_of(range(1, 25))}, lambda _: compare_radiation({"phi": "phi.csv"}),
                 reference.ReferenceDataError, r"^phi.csv, line 25: cell 24 does not exist: cells "
                 r"count from 0, the mesh has 24 \(0 to 23\)$", lambda: True,
                 id="mode potentials of a cell out of range"),
    pytest.param({"phi.csv": modes_of([0, 1, 2, 1])}, lambda _: compare_radiation({"phi": "phi.csv"}),
                 reference.ReferenceDataError, r"^phi.csv, line 5: cell 1 is given more than once$",
                 lambda: True, id="mode potentials of a cell given twice"),
    pytest.param({"phi.csv": modes_of(range(23))}, lambda _: compare_radiation({"phi": "phi.csv"}),
                 reference.ReferenceDataError, r"^phi.csv: 1 of the mesh's 24 cells are missing: 23$",
                 lambda: True, id="mode potentials of a cell missing"),
    pytest.param({"phi.csv": modes_of(range(24)).replace("\n2,0,", "\n2,nan,")},
                 lambda _: compare_radiation({"phi": "phi.csv"}), reference.ReferenceDataError,
                 r"^phi.csv, line 4: the phi1 value is not finite: 'nan'$", lambda: True,
                 id="a mode potential NaN"),
    pytest.param({"phi.csv": modes_of(range(24)).replace("\n5,0,", "\n5,0,x")},
                 lambda _: compare_radiation({"phi": "phi.csv"}), reference.ReferenceDataError,
                 r"^phi.csv, line 7: the phi2 value is not a number: 'x0'$", lambda: True,
                 id="a mode potential that is no number"),
    pytest.param({"phi.csv": modes_of(range(24)).replace("\n7,0,0,0,0,0,0", "\n7,0,0")},
                 lambda _: compare_radiation({"phi": "phi.csv"}), reference.ReferenceDataError,
                 r"^phi.csv, line 9: 3 values, too few for the header's columns$", lambda: True,
                 id="a row of mode potentials cut short"),
    pytest.param({"am.json": '{\n  "rho": 1,\n  "added_mass": [[1, 0, 0, 0, 0, 0]]\n}\n'},
                 lambda _: compare_radiation({"added_mass": "am.json"}), reference.ReferenceDataError,
                 r"^am.json, line 3: the added mass must be six rows of six numbers, found rows "
                 r"of \[6\]$", lambda: True, id="an added mass of one row"),
    pytest.param({"am.json": '{"added_mass":\n [[1, 2]\n'},
                 lambda _: compare_radiation({"added_mass": "am.json"}), reference.ReferenceDataError,
                 r"^am.json, line 3: not JSON", lambda: True, id="an added mass that is not JSON"),
    pytest.param({"am.json": "[" + ",".join(["[1, 0, 0, 0, 0, 0]"] * 6) + "]"},
                 lambda _: compare_radiation({"added_mass": "am.json"}), reference.ReferenceDataError,
                 r"^am.json, line 1: expected an object with the key 'added_mass'", lambda: True,
                 id="an added mass without its key"),
    pytest.param({"phi.csv": modes_of(range(24))},
                 lambda _: reference.compare([BODY], [{"phi": "phi.csv"}], lamda=0.5),
                 reference.ReferenceDataError, "^results of mesh 0: mode potentials are compared "
                 "only for a body given by its axes$", lambda: True,
                 id="mode potentials of a spheroid given by lamda"),
    pytest.param({"m.gdf": BODY, "study.csv": "mesh,phi\nm.gdf,phi.csv\n",
                  "phi.csv": modes_of(range(24)).replace("\n3,0,", "\n3,inf,")},
                 lambda tmp_path: run_command("compare", "study.csv", "--axes", "0.5,0.25,0.25",
                                              cwd=tmp_path), 1,
                 "error: phi.csv, line 5: the phi1 value is not finite: 'inf'\n", lambda: True,
                 id="the command refuses an infinite mode potential"),
    # out=: arrays refused before anything is computed, everything left as it was.
    *refused_out_cases(),
    *field_out_cases(),
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


def test_the_command_line_and_the_module_give_one_inertia(cli):
    """The same dimensional inputs, --about and about both in metres."""
    done = cli("inertia", "--lambda", "1/8", "--about", "-5,2,1", "--rho", "1025", "--length",
               "80", "--alpha", "5", "--beta", "3", "--speed", "7.5")
    given = json.loads(done.stdout)
    body = ef.Spheroid(0.125)
    np.testing.assert_array_equal(given["added_mass"],
                                  body.added_mass(about=(-5, 2, 1), rho=1025, length=80))
    np.testing.assert_array_equal(given["munk_moment"],
                                  body.flow(5, 3).munk_moment(rho=1025, speed=7.5, length=80))
