# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The exceptions the package's Python code raises, one for each layer.

Each is a ValueError, so that a caller may catch bad input of any layer at
once; the message says what is wrong and where. `ellipsoid_flow.mesh` and
`ellipsoid_flow.reference` give them under their public names. (RunError,
raised by a run, comes from the compiled part.)
"""


class MeshError(ValueError):
    """A mesh that cannot be built, read or written: says what and where.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> try:
    ...     mesh.Mesh([[0, 0, 0], [1, 0, 0]], [[0, 1, 1]])
    ... except mesh.MeshError as error:
    ...     print(error)
    cell 0 has fewer than 3 distinct vertices
    """


class ReferenceDataError(ValueError):
    """A mesh that does not fit the body, or peer results that cannot be compared.

    The message says what and where.

    Examples
    --------
    >>> from ellipsoid_flow import mesh, reference
    >>> try:
    ...     reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.25)
    ... except reference.ReferenceDataError as error:
    ...     print(type(error).__name__)
    ReferenceDataError
    """
