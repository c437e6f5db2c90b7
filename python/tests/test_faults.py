# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The package under what a careless or hostile user can hand it: each case
names what it must raise or print and the files it must leave behind."""

import os
import pickle
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import ellipsoid_flow as ef
from ellipsoid_flow import mesh

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


# Each case: files to make (name -> text, a mesh, or "->x", a link to x), what to do
# in the folder, what it must raise (exception type, message) or print (exit
# status, standard error), and what must hold afterwards.
CASES = [
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
