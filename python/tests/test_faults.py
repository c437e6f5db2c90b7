# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Calls made to break the module: each must raise the error that says what
went wrong, never crash the interpreter or hand out garbage."""

import pickle
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import ellipsoid_flow as ef

FLOW = ef.Spheroid(0.2).flow(10, 5)
# Views that cost no memory, whose contiguous copy is beyond any address space.
HUGE_POINTS = np.broadcast_to([1.0, 0, 0], (10**13, 3))
HUGE_ANGLES = np.broadcast_to(30.0, (10**14,))


def unmade(cls):
    """An instance whose constructor never ran, as cls.__new__ or a pickle
    without state makes it."""
    return cls.__new__(cls)


def properties(cls):
    return [name for name, value in vars(cls).items() if isinstance(value, property)]


FAULTS = [
    # The bindings: copies that cannot be made, objects made without their
    # constructor, points the flow does not reach, folder names.
    *[(lambda name=name: getattr(FLOW, name)(HUGE_POINTS), MemoryError, "points")
      for name in ("velocity", "potential", "cu", "cp", "field")],
    (lambda: FLOW.velocity(HUGE_POINTS, inside="nan"), MemoryError, "points"),
    (lambda: FLOW.spheroid.contains(HUGE_POINTS), MemoryError, "points"),
    (lambda: FLOW.surface(HUGE_ANGLES, 0), MemoryError, "FI"),
    (lambda: FLOW.cp_min_curve(HUGE_ANGLES), MemoryError, "t"),
    (lambda: pickle.loads(b"\x80\x02cellipsoid_flow._core\nSpheroid\n)\x81.").a, TypeError,
     "Spheroid object was made without running its constructor"),
    *[(lambda cls=cls, name=name: getattr(unmade(cls), name), TypeError, cls.__name__)
      for cls in (ef.Spheroid, ef.Flow, ef.FlowState) for name in properties(cls)],
    *[(lambda cls=cls: repr(unmade(cls)), TypeError, cls.__name__) for cls in (ef.Spheroid, ef.Flow)],
    *[(lambda cls=cls: pickle.dumps(unmade(cls)), TypeError, cls.__name__)
      for cls in (ef.Spheroid, ef.Flow, ef.FlowState)],
    (lambda: unmade(ef.Spheroid).contains([1.0, 0, 0]), TypeError, "Spheroid"),
    (lambda: unmade(ef.Spheroid).confocal_integrals(0.0), TypeError, "Spheroid"),
    (lambda: unmade(ef.Spheroid).added_mass(), TypeError, "Spheroid"),
    (lambda: unmade(ef.Spheroid).flow(), TypeError, "Spheroid"),
    *[(lambda name=name: getattr(unmade(ef.Flow), name)([2.0, 0, 0]), TypeError, "Flow")
      for name in ("velocity", "potential", "cu", "cp", "field", "cp_min_curve")],
    (lambda: unmade(ef.Flow).surface(0, 0), TypeError, "Flow"),
    (lambda: unmade(ef.Flow).munk_moment(), TypeError, "Flow"),
    (lambda: unmade(ef.Flow).streamline([2.0, 0, 0], 1.0), TypeError, "Flow"),
    (lambda: unmade(ef.Flow).__setstate__((unmade(ef.Spheroid), 0.0, 0.0)), TypeError,
     "Spheroid"),
    (lambda: ef.run(0.2, 18, 1, 0, 0, state=unmade(ef.FlowState)), TypeError, "FlowState"),
    (lambda: ef.run(0.2, 18, 1, 0, 0, folder="a\0b"), ValueError, r"folder '.*a\\x00b'"),
    (lambda: FLOW.velocity([[0.0, 0, 0], [1e61, 0, 0]], inside="nan"), ValueError,
     r"too far from the body, but point 1 \(flat index\) is \(1e\+61, 0, 0\)"),
    (lambda: FLOW.field([[[0.0, 0, -1e300]]], inside="nan"), ValueError, "point 0"),
]


@pytest.mark.parametrize("call, error, match", FAULTS)
def test_faults_raise(call, error, match):
    with pytest.raises(error, match=match):
        call()


def test_a_copy_that_memory_cannot_hold_is_a_memory_error():
    script = textwrap.dedent("""
        import os, resource, numpy as np, ellipsoid_flow as ef
        flow = ef.Spheroid(0.2).flow(10, 5)
        points = np.asfortranarray(np.full((10_000_000, 3), 2.0))  # 240 MB to copy
        pages = int(open("/proc/self/statm").read().split()[0])
        room = pages * os.sysconf("SC_PAGE_SIZE") + 100 * 2**20
        resource.setrlimit(resource.RLIMIT_AS, (room, room))
        try:
            flow.velocity(points)
        except MemoryError as e:
            print("MemoryError:", e)
    """)
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True)
    assert (done.returncode, done.stdout) == (
        0, "MemoryError: points must be copied as contiguous float64, and there is no memory "
           "for the copy\n"), done.stderr
