# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Type stubs of ellipsoid_flow. Angles in degrees unless said otherwise; body
# axes x along the axis of revolution, y to angle 0 (plane of beta), z to 90
# degrees (plane of alpha); unit stream speed.

from typing import Literal, NamedTuple, Optional, Union

import numpy as np
import numpy.typing as npt

__version__: str

ArrayLike = npt.ArrayLike
Floats = npt.NDArray[np.float64]

class RunError(RuntimeError):
    number: int  # the window's error number: 5, 6, 9, 11, 21, 22 or 75
    description: str  # "Division by zero"
    where: str  # the step the run stopped at, in words
    stage: str  # "started", "inputs read", "columns counted" or "coefficients computed"

class FlowState:
    """The window's result arrays, shared by successive runs (NaN: not written)."""
    def __init__(self) -> None: ...
    @property
    def FI(self) -> Floats: ...  # (400,), radians
    @property
    def X(self) -> Floats: ...  # (400,)
    @property
    def Y(self) -> Floats: ...  # (400,)
    @property
    def CU(self) -> Floats: ...  # (400, 36)
    @property
    def CU1(self) -> Floats: ...  # (400,)

# run() and RunResult are typed in _run.py itself.
from ._run import RunResult as RunResult
from ._run import run as run

class SurfaceValues(NamedTuple):
    position: Floats  # (..., 3)
    normal: Floats  # (..., 3), outward unit normal
    velocity: Floats  # (..., 3)
    Cu: Union[Floats, float]
    Cp: Union[Floats, float]

class FieldValues(NamedTuple):
    potential: Union[Floats, float]
    velocity: Floats  # (..., 3)
    Cu: Union[Floats, float]
    Cp: Union[Floats, float]

Inside = Literal["error", "nan"]
# out=: a writeable C-contiguous float64 ndarray of exactly the result's
# shape, its memory apart from the points; it is written and returned.

class Spheroid:
    def __init__(
        self, lamda: Optional[float] = None, *, a: Optional[float] = None, b: Optional[float] = None
    ) -> None: ...
    @property
    def a(self) -> float: ...
    @property
    def b(self) -> float: ...
    @property
    def lamda(self) -> float: ...
    @property
    def alpha0(self) -> float: ...
    @property
    def beta0(self) -> float: ...
    @property
    def k1(self) -> float: ...
    @property
    def k2(self) -> float: ...
    @property
    def k_prime(self) -> float: ...
    @property
    def volume(self) -> float: ...
    @property
    def area(self) -> float: ...
    def confocal_integrals(self, s: float) -> tuple[float, float]: ...
    def contains(self, points: ArrayLike) -> npt.NDArray[np.bool_]: ...
    def added_mass(
        self, about: ArrayLike = (0, 0, 0), rho: float = 1.0, length: float = 1.0
    ) -> Floats: ...  # (6, 6)
    def flow(self, alpha: float = 0.0, beta: float = 0.0) -> Flow: ...

class Flow:
    @property
    def spheroid(self) -> Spheroid: ...
    @property
    def alpha(self) -> float: ...
    @property
    def beta(self) -> float: ...
    @property
    def stream(self) -> Floats: ...  # (3,)
    @property
    def w(self) -> Floats: ...  # (3,)
    def potential(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def velocity(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Floats: ...
    def cu(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def cp(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def field(
        self, points: ArrayLike, *, inside: Inside = "error",
        out: Optional[tuple[Floats, Floats, Floats, Floats]] = None,
    ) -> FieldValues: ...
    def surface(self, FI: ArrayLike, theta: ArrayLike) -> SurfaceValues: ...
    @property
    def stagnation_points(self) -> tuple[Floats, Floats]: ...
    @property
    def cp_min(self) -> float: ...
    def cp_min_curve(self, t: ArrayLike) -> Floats: ...  # t in radians
    def munk_moment(self, rho: float = 1.0, speed: float = 1.0, length: float = 1.0) -> Floats: ...
    def streamline(self, seed: ArrayLike, length: float) -> Floats: ...  # (M, 3)

# Semi-axes a, b, c along x, y, z, in any length unit L.
class Ellipsoid:
    def __init__(self, a: float, b: float, c: float) -> None: ...
    @property
    def a(self) -> float: ...
    @property
    def b(self) -> float: ...
    @property
    def c(self) -> float: ...
    @property
    def axes(self) -> Floats: ...  # (3,)
    @property
    def shape_integrals(self) -> Floats: ...  # (3,), adding up to 2
    @property
    def k_translation(self) -> Floats: ...  # (3,)
    @property
    def k_rotation(self) -> Floats: ...  # (3,)
    @property
    def volume(self) -> float: ...
    @property
    def area(self) -> float: ...
    def contains(self, points: ArrayLike) -> npt.NDArray[np.bool_]: ...
    def mode_potentials(
        self, points: ArrayLike, *, out: Optional[Floats] = None
    ) -> Floats: ...  # (..., 6): u, v, w, p, q, r
    def mode_normals(
        self, points: ArrayLike, *, out: Optional[Floats] = None
    ) -> Floats: ...  # (..., 6): n, r x n
    def added_mass(
        self, about: ArrayLike = (0, 0, 0), rho: float = 1.0, rotation: Optional[ArrayLike] = None
    ) -> Floats: ...  # (6, 6)
    def flow(
        self, alpha: float = 0.0, beta: float = 0.0, *, direction: Optional[ArrayLike] = None
    ) -> EllipsoidFlow: ...
    def motion(
        self, u: float = 0.0, v: float = 0.0, w: float = 0.0, p: float = 0.0, q: float = 0.0,
        r: float = 0.0,
    ) -> EllipsoidMotion: ...  # p, q, r in radians per unit time

class EllipsoidFlow:
    @property
    def ellipsoid(self) -> Ellipsoid: ...
    @property
    def stream(self) -> Floats: ...  # (3,)
    @property
    def w(self) -> Floats: ...  # (3,)
    def potential(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def velocity(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Floats: ...
    def cu(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def cp(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def field(
        self, points: ArrayLike, *, inside: Inside = "error",
        out: Optional[tuple[Floats, Floats, Floats, Floats]] = None,
    ) -> FieldValues: ...
    def surface(self, FI: ArrayLike, theta: ArrayLike) -> SurfaceValues: ...  # degrees
    @property
    def stagnation_points(self) -> tuple[Floats, Floats]: ...
    @property
    def cp_min(self) -> float: ...
    def cp_min_curve(self, t: ArrayLike) -> Floats: ...  # t in radians
    def munk_moment(self, rho: float = 1.0, speed: float = 1.0) -> Floats: ...

class EllipsoidMotion:
    @property
    def ellipsoid(self) -> Ellipsoid: ...
    @property
    def speeds(self) -> tuple[float, float, float, float, float, float]: ...
    def potential(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Union[Floats, float]: ...
    def velocity(
        self, points: ArrayLike, *, inside: Inside = "error", out: Optional[Floats] = None
    ) -> Floats: ...
