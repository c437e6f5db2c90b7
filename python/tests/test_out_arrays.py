# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""out=: every array method writes into the arrays handed in, returns them,
and gives there the very values it gives in new arrays."""

import numpy as np
import pytest

import ellipsoid_flow as ef

BODY = ef.Ellipsoid(3.0, 2.0, 1.0)
STREAMS = {"Flow": ef.Spheroid(0.2).flow(20, 10), "EllipsoidFlow": BODY.flow(15, -30)}
# Points off the 3:2:1 body (and so off the spheroid inside it) and, last,
# its centre: inside both bodies.
RNG = np.random.default_rng(11)
DIRECTIONS = RNG.normal(size=(5, 4, 3))
OFF = DIRECTIONS / np.linalg.norm(DIRECTIONS / BODY.axes, axis=-1, keepdims=True) * 1.5
WITH_CENTRE = np.concatenate([OFF.reshape(-1, 3), [[0.0, 0, 0]]])
ON = DIRECTIONS / np.linalg.norm(DIRECTIONS / BODY.axes, axis=-1, keepdims=True)

# (name, method taking points and keywords, points, keywords)
METHODS = [
    *[(f"{cls}.{name}", lambda p, name=name, flow=flow, **k: getattr(flow, name)(p, **k), p, k)
      for cls, flow in STREAMS.items() for name in ("potential", "velocity", "cu", "cp")
      for p, k in ((OFF, {}), (OFF[0, 0], {}), (WITH_CENTRE, {"inside": "nan"}))],
    *[(f"EllipsoidMotion.{name}",
       lambda p, name=name, **k: getattr(BODY.motion(1, -2, 0.5, 0.3, 0.2, -0.7), name)(p, **k),
       p, k)
      for name in ("potential", "velocity")
      for p, k in ((OFF, {}), (WITH_CENTRE, {"inside": "nan"}))],
    ("Ellipsoid.mode_potentials", BODY.mode_potentials, OFF, {}),
    ("Ellipsoid.mode_normals", BODY.mode_normals, ON, {}),
]


@pytest.mark.parametrize("method, points, keywords", [m[1:] for m in METHODS],
                         ids=[f"{m[0]} {np.shape(m[2])} {m[3]}" for m in METHODS])
def test_out_holds_the_new_arrays_values_and_is_returned(method, points, keywords):
    fresh = np.asarray(method(points, **keywords))
    out = np.full(fresh.shape, 7.0)
    got = method(points, out=out, **keywords)
    assert got is out and out.tobytes() == fresh.tobytes()
    if keywords:
        assert np.isnan(out[-1]).all() and not np.isnan(out[:-1]).any()


@pytest.mark.parametrize("flow", STREAMS.values(), ids=STREAMS.keys())
@pytest.mark.parametrize("points, keywords", [(OFF, {}), (OFF[2, 3], {}),
                                              (WITH_CENTRE, {"inside": "nan"})])
def test_field_fills_the_tuple_it_is_given(flow, points, keywords):
    fresh = flow.field(points, **keywords)
    out = tuple(np.full(np.shape(v), 7.0) for v in fresh)
    got = flow.field(points, out=out, **keywords)
    assert type(got) is ef.FieldValues and all(g is o for g, o in zip(got, out))
    assert all(given.tobytes() == np.asarray(expected).tobytes()
               for given, expected in zip(out, fresh))
