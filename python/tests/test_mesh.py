# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Spheroid and ellipsoid meshes and mesh files: round trips of every format, the geometry, bad files."""

import numpy as np
import pytest

import ellipsoid_flow
from ellipsoid_flow import mesh

MESHES = {
    "quad": dict(cells="quad"),
    "tri": dict(cells="tri", spacing="uniform"),
    "half quad": dict(cells="quad", half=True),
    "half tri": dict(cells="tri", half=True),
    "ellipsoid quad": dict(cells="quad", axes=(1.0, 0.4, 0.25)),
    "ellipsoid tri": dict(cells="tri", spacing="uniform", axes=(1.0, 0.4, 0.25)),
    "ellipsoid half tri": dict(cells="tri", half=True, axes=(0.3, 1.0, 0.5)),
}


def made(kind, n_axial, n_around):
    """The mesh of MESHES[kind]: an ellipsoid of the axes given, else the spheroid 2 long, λ = 1/4."""
    options = dict(MESHES[kind])
    axes = options.pop("axes", None)
    if axes is None:
        return mesh.spheroid(0.25, n_axial, n_around, length=2.0, **options), (1.0, 0.25, 0.25)
    return mesh.ellipsoid(*axes, n_axial, n_around, **options), axes
FILES = ["m.stl", "m.msh", "m.vtk", "m.vtu", "m.obj", "m.gdf", "m.dat"]


@pytest.mark.parametrize("kind", MESHES)
@pytest.mark.parametrize("name", FILES + ["gmsh22"])
def test_a_written_mesh_reads_back_unchanged(tmp_path, kind, name):
    body, _ = made(kind, 7, 10)
    path, format = (tmp_path / "m.msh", "gmsh22") if name == "gmsh22" else (tmp_path / name, None)
    if name == "m.stl" and "quad" in kind:
        with pytest.raises(mesh.MeshError, match="triangles only"):
            mesh.write(body, path)
        assert list(tmp_path.iterdir()) == []
        return
    mesh.write(body, path, format)
    again = mesh.read(path)
    np.testing.assert_array_equal(again.points, body.points)
    np.testing.assert_array_equal(again.cells, body.cells)
    # Only the panel-code formats record the symmetry plane.
    assert again.half == (body.half and path.suffix in (".gdf", ".dat"))
    assert [p.name for p in tmp_path.iterdir()] == [path.name]


@pytest.mark.parametrize("kind", MESHES)
def test_a_mesh_lies_on_the_body_and_faces_out(kind):
    body, (a, b, c) = made(kind, 24, 32)
    x, y, z = body.points.T
    np.testing.assert_allclose((x / a) ** 2 + (y / b) ** 2 + (z / c) ** 2, 1.0, atol=1e-14)
    geometry = mesh.cell_geometry(body)
    # Outward cells enclose a positive volume (divergence theorem), that of the
    # body less the inscribed polyhedron's deficit.
    volume = (
        np.sum(np.einsum("ij,ij->i", geometry.centroids, geometry.normals) * geometry.areas) / 3
    )
    exact = ellipsoid_flow.Ellipsoid(a, b, c)
    share = 0.5 if body.half else 1.0
    assert volume == pytest.approx(share * exact.volume, rel=0.02)
    assert geometry.areas.sum() == pytest.approx(share * exact.area, rel=0.02)


def test_cell_geometry_of_a_flat_quadrilateral():
    # A trapezium with corners (0,0), (4,0), (3,2), (1,2): area 6, centroid (2, 8/9).
    square = mesh.Mesh([[0, 0, 1], [4, 0, 1], [3, 2, 1], [1, 2, 1]], [[0, 1, 2, 3]])
    geometry = mesh.cell_geometry(square)
    np.testing.assert_allclose(geometry.areas, [6.0])
    np.testing.assert_allclose(geometry.normals, [[0, 0, 1]])
    np.testing.assert_allclose(geometry.centroids, [[2, 8 / 9, 1]])


# A unit cube as panel codes write it, by hand: GDF with a panel's twelve
# numbers on one line, Nemoh with vertices numbered out of order.
CUBE_CORNERS = [
    (0, 0, 0),
    (1, 0, 0),
    (1, 1, 0),
    (0, 1, 0),
    (0, 0, 1),
    (1, 0, 1),
    (1, 1, 1),
    (0, 1, 1),
]
CUBE_FACES = [(0, 3, 2, 1), (4, 5, 6, 7), (0, 1, 5, 4), (1, 2, 6, 5), (2, 3, 7, 6), (3, 0, 4, 7)]
CUBE_FILES = {
    "cube.gdf": "cube from another code\n  1.0  9.80665\n 0 0\n 6\n"
    + "".join(
        " ".join(f"{c}." for v in face for c in CUBE_CORNERS[v]) + "\n" for face in CUBE_FACES
    ),
    "cube.dat": "2 0\n"
    + "".join(
        f"{10 + 3 * k} {x} {y} {z}\n" for k, (x, y, z) in reversed(list(enumerate(CUBE_CORNERS)))
    )
    + "0 0. 0. 0.\n"
    + "".join(" ".join(str(10 + 3 * v) for v in face) + "\n" for face in CUBE_FACES)
    + "0 0 0 0\n",
}


@pytest.mark.parametrize("name", CUBE_FILES)
def test_a_panel_code_file_reads_as_the_body_it_describes(tmp_path, name):
    (tmp_path / name).write_text(CUBE_FILES[name])
    cube = mesh.read(tmp_path / name)
    geometry = mesh.cell_geometry(cube)
    assert len(cube.points) == 8 and len(cube) == 6
    np.testing.assert_allclose(geometry.areas, 1.0)
    # Faces listed counter-clockwise from outside: normals out of the cube, volume +1.
    np.testing.assert_allclose(
        np.einsum("ij,ij->i", geometry.centroids - 0.5, geometry.normals), 0.5
    )
    assert np.sum(
        np.einsum("ij,ij->i", geometry.centroids, geometry.normals) * geometry.areas
    ) / 3 == pytest.approx(1)


def test_a_failed_write_leaves_the_file_as_it_was(tmp_path):
    path = tmp_path / "m.gdf"
    path.write_text("the old mesh")
    with pytest.raises(mesh.MeshError, match="no cell data"):
        mesh.write(mesh.spheroid(0.5, 4, 6), path, cell_data={"Cp": np.zeros(24)})
    assert path.read_text() == "the old mesh" and [p.name for p in tmp_path.iterdir()] == ["m.gdf"]


BAD_FILES = {
    "m.gdf": ("header\n1 9.81\n0 1\n2\n0 0 0 1 0 0 1 1 0 0 1 0\n", "2 panels need 24 coordinates"),
    "x.gdf": ("header\n1 9.81\n1 0\n1\n0 0 0 1 0 0 1 1 0 0 1 0\n", "ISX = 1"),
    "m.dat": ("2 0\n1 0 0 0\n2 1 0 0\n3 1 1 0\n0 0. 0. 0.\n1 2 3 4\n0 0 0 0\n", "vertex 4"),
    "e.dat": ("2 0\n1 0 0 0\n0 0. 0. 0.\n0 0 0 0\n", "no cells"),
    "m.obj": ("v 0 0 0\nv 1 0 0\n", "no cells"),
    "m.vtu": ("not xml at all", "not a readable vtu mesh"),
    "m.txt": ("", "unknown mesh format"),
}


@pytest.mark.parametrize("name", BAD_FILES)
def test_a_bad_mesh_file_gives_a_clear_error(tmp_path, name):
    text, message = BAD_FILES[name]
    (tmp_path / name).write_text(text)
    with pytest.raises(mesh.MeshError, match=message) as error:
        mesh.read(tmp_path / name)
    assert name in str(error.value)


@pytest.mark.parametrize(
    "points, cells, message",
    [
        (np.zeros((0, 3)), np.zeros((0, 3), int), "no cells"),
        ([[0, 0, 0], [1, 0, 0], [0, 1, 0]], [[0, 1, 3]], "vertex that does not exist"),
        ([[0, 0, 0], [1, 0, 0], [0, 1, 0]], [[0, 1, 1]], "fewer than 3 distinct"),
        ([[0, 0, np.nan], [1, 0, 0], [0, 1, 0]], [[0, 1, 2]], "vertex 0"),
        ([[0, 0], [1, 0], [0, 1]], [[0, 1, 2]], "shape"),
    ],
)
def test_a_bad_mesh_is_refused(points, cells, message):
    with pytest.raises(mesh.MeshError, match=message):
        mesh.Mesh(points, cells)


@pytest.mark.parametrize(
    "arguments, message",
    [
        (dict(lamda=0, n_axial=4, n_around=6), "thickness ratio must be a positive number"),
        (dict(lamda=0.2, n_axial=1, n_around=6), "n_axial must be a whole number of at least 2"),
        (dict(lamda=0.2, n_axial=4, n_around=6.5), "n_around must be a whole number"),
        (dict(lamda=0.2, n_axial=4, n_around=7, half=True), "even number of at least 4"),
        (dict(lamda=0.2, n_axial=4, n_around=6, cells="hex"), 'cells must be "quad" or "tri"'),
    ],
)
def test_a_spheroid_mesh_of_bad_sizes_is_refused(arguments, message):
    with pytest.raises(mesh.MeshError, match=message):
        mesh.spheroid(**arguments)


def test_a_triangle_repeating_another_vertex_keeps_its_turning_order():
    points = [[0, 0, 0], [1, 0, 0], [0, 1, 0]]
    assert mesh.Mesh(points, [[0, 0, 1, 2]]).cells.tolist() == [[0, 1, 2, 2]]
