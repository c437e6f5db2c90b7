# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The command ellipsoid-flow-reference (also `python3 -m ellipsoid_flow.reference`):
meshes, exact values, convergence studies."""

import argparse
import csv
import re
import sys
from pathlib import Path

from .. import Ellipsoid
from .. import mesh as meshes
from .._errors import ReferenceDataError
from .._user_text import quoted
from ._compare import compare
from ._file_names import clash
from ._on_mesh import DEFAULT_TOLERANCE, on_mesh

_NEGATIVE_LIST = re.compile(r"-[0-9.][^,]*,.*")
_OPTION = re.compile(r"--[a-z-]+")

_DESCRIPTION = """\
Exact reference data for panel and boundary-element codes: the potential flow
about a spheroid in a uniform stream of unit speed, angle of attack alpha and
yaw angle beta (degrees), body axis along x, alpha in the x-z plane.

  mesh     write a mesh of a spheroid, every vertex on the body
  on-mesh  exact values on each cell of your mesh, and the 6 x 6 added mass
  compare  errors and orders of convergence of your code's results on a series of meshes

Mesh formats, by file suffix or --format: .stl, .msh (Gmsh 4.1; gmsh22 for 2.2),
.vtk, .vtu, .obj, .gdf (WAMIT), .dat (Nemoh). Run a subcommand with --help for
its options. The reference guide walks through a study: docs/reference.md in
the sources, /usr/share/doc/python3-ellipsoid-flow/docs/reference.md from the
Debian package.
"""

_ON_MESH_DESCRIPTION = (
    "Checks that MESH fits the spheroid (or, with --axes, the ellipsoid in its pose), then "
    "gives for every cell its centroid, area, normal, the centroid moved onto the exact "
    "surface, and there the exact potential, velocity, Cu, Cp and d . n (with --axes also "
    "the six mode potentials phi1..phi6 and the normals n1..n6 of the mesh's frame); and "
    "the body's 6 x 6 added-mass matrix about the mesh's origin (density 1)."
)

_COMPARE_EPILOG = """\
The study file is a CSV table with a header and one row per mesh, coarse to fine:
  mesh,cp,added_mass,phi
  coarse.msh,coarse_cp.csv,coarse_added_mass.csv,coarse_phi.csv
  fine.msh,fine_cp.csv,,
Paths are relative to the study file; cp, added_mass or phi may be left empty,
and a column left out. A cp file has the columns cell (from 0, in the mesh's
order) and Cp; an added_mass file six rows of six numbers (about the mesh's
origin, density 1), or if named *.json an object whose added_mass is those
rows, as ellipsoid-flow-cli inertia writes it; a phi file (a body given by its
axes only) the columns cell and phi1 ... phi6, the potentials of the unit
motions u, v, w, p, q, r, rotations about the mesh's origin.
"""


def main(argv=None):
    """Runs the command; returns the exit status (0 done, 1 bad input or data, 2 bad usage).

    Parameters
    ----------
    argv : list of str, optional
        The arguments after the program's name; by default sys.argv[1:].

    Returns
    -------
    int
        0 done, 1 bad input or data (the error printed to standard error).

    Raises
    ------
    SystemExit
        With status 2 for bad usage (an output named like an input among
        it), and 0 after --help, as argparse exits.
    """
    arguments = _parser().parse_args(_lists_attached(sys.argv[1:] if argv is None else argv))
    try:
        arguments.run(arguments)
    except (ValueError, OSError) as error:  # ReferenceDataError and MeshError among them
        print(f"error: {error}", file=sys.stderr)
        return 1
    return 0


def _lists_attached(argv):
    """argv with a list of numbers that starts with a minus ("-0.6,0,0.8") joined to the
    option before it ("--rotation=-0.6,0,0.8"): argparse would take the list for an option."""
    joined = []
    for token in argv:
        if joined and _NEGATIVE_LIST.fullmatch(token) and _OPTION.fullmatch(joined[-1]):
            joined[-1] += "=" + token
        else:
            joined.append(token)
    return joined


def _parser():
    """The argument parser: the commands mesh, on-mesh and compare, each running its function."""
    parser = argparse.ArgumentParser(
        prog="ellipsoid-flow-reference",
        description=_DESCRIPTION,
        formatter_class=argparse.RawDescriptionHelpFormatter,
    )
    commands = parser.add_subparsers(title="commands", required=True, metavar="COMMAND")

    _add_mesh_command(commands)
    _add_on_mesh_command(commands)
    _add_compare_command(commands)
    return parser


def _add_mesh_command(commands):
    """The command mesh: a spheroid's mesh written to a file."""
    make = commands.add_parser(
        "mesh",
        help="write a mesh of a spheroid",
        description="Writes a mesh of the spheroid of thickness ratio LAMBDA and axis "
        "length LENGTH, nose at x = -LENGTH/2, every vertex on the body.",
    )
    make.add_argument("output", type=Path, help="mesh file to write")
    make.add_argument(
        "--lambda",
        dest="lamda",
        type=_number,
        required=True,
        help="thickness ratio b / a (a fraction such as 1/6 is taken exactly)",
    )
    make.add_argument("--n-axial", type=int, required=True, help="bands from nose to tail")
    make.add_argument("--n-around", type=int, required=True, help="cells round the body")
    make.add_argument(
        "--cells", choices=["quad", "tri"], default="quad", help="cell shape (default quad)"
    )
    make.add_argument(
        "--spacing",
        choices=["cosine", "uniform"],
        default="cosine",
        help="rings evenly spaced in eccentric angle (cosine, default) or in x (uniform)",
    )
    make.add_argument(
        "--half", action="store_true", help="only the half y >= 0 (GDF and Nemoh mark the symmetry)"
    )
    make.add_argument("--length", type=float, default=1.0, help="axis length 2a (default 1)")
    make.add_argument(
        "--format", choices=list(meshes.FORMATS), help="mesh format, if not by suffix"
    )
    make.set_defaults(run=_make_mesh)


def _add_on_mesh_command(commands):
    """The command on-mesh: the exact values on each cell of a mesh."""
    exact = commands.add_parser(
        "on-mesh",
        help="exact values on each cell of a mesh",
        description=_ON_MESH_DESCRIPTION,
    )
    exact.add_argument("mesh", type=Path, help="mesh file")
    _body_options(exact)
    _pose_options(exact)
    exact.add_argument("--csv", type=Path, help="write the cell table as CSV")
    exact.add_argument(
        "--vtu", type=Path, help="write the mesh with the table as cell data (ParaView)"
    )
    exact.add_argument(
        "--added-mass",
        type=Path,
        help="write the 6 x 6 added mass as CSV (with --axes as JSON, as inertia's added_mass)",
    )
    exact.set_defaults(run=_on_mesh, command=exact)


def _add_compare_command(commands):
    """The command compare: a peer's results on a series of meshes against the exact values."""
    study = commands.add_parser(
        "compare",
        help="errors and orders of convergence on a series of meshes",
        description="Compares your code's Cp and mode potentials per cell and added mass "
        "on each mesh of a study with the exact values; prints the errors and observed orders.",
        epilog=_COMPARE_EPILOG,
        formatter_class=argparse.RawDescriptionHelpFormatter,
    )
    study.add_argument("study", type=Path, help="CSV table of mesh, cp, added_mass and phi files")
    _body_options(study)
    _pose_options(study)
    study.add_argument("--table", type=Path, help="write the table of errors and orders as CSV")
    study.add_argument(
        "--figure",
        type=Path,
        help="write the log-log figure of error against cells (.png, .svg, .pdf)",
    )
    study.set_defaults(run=_compare, command=study)

def _body_options(parser):
    """The options giving the body and the stream, shared by on-mesh and compare."""
    body = parser.add_argument_group("body and stream")
    body.add_argument(
        "--lambda",
        dest="lamda",
        type=_number,
        help="thickness ratio of a body of length 1; a fraction such as 1/6 is taken exactly",
    )
    body.add_argument(
        "--a",
        type=_number,
        help="semi-axis along x, in the mesh's unit (with --b, instead of --lambda)",
    )
    body.add_argument("--b", type=_number, help="semi-axis across")
    body.add_argument(
        "--alpha", type=float, default=0.0, help="angle of attack, degrees (default 0)"
    )
    body.add_argument("--beta", type=float, default=0.0, help="yaw angle, degrees (default 0)")
    body.add_argument(
        "--centre",
        type=_triple,
        default=(0.0, 0.0, 0.0),
        metavar="X,Y,Z",
        help="the body's centre in the mesh's coordinates (default 0,0,0)",
    )
    body.add_argument(
        "--tolerance",
        type=float,
        default=DEFAULT_TOLERANCE,
        help=f"largest vertex distance from the body, per length (default {DEFAULT_TOLERANCE:g})",
    )
    body.add_argument(
        "--format", choices=list(meshes.FORMATS), help="mesh format, if not by suffix"
    )


def _pose_options(parser):
    """The options giving an ellipsoid in any pose, shared by on-mesh and compare."""
    posed = parser.add_argument_group("ellipsoid (instead of --lambda or --a and --b)")
    posed.add_argument(
        "--axes",
        type=_numbers(3, "A,B,C"),
        metavar="A,B,C",
        help="semi-axes along the body's x, y, z, in the mesh's unit",
    )
    posed.add_argument(
        "--rotation",
        type=_numbers(9, "R11,R12,...,R33"),
        metavar="R11,...,R33",
        help="the rotation whose columns are the body's axes in the mesh's frame, row by row "
        "(default the identity)",
    )


def _number(text):
    """A number, or a fraction p/q as the double nearest to it.

    Raises argparse.ArgumentTypeError, quoting `text`, for anything else.
    """
    numerator, _, denominator = text.partition("/")
    try:
        return float(numerator) / float(denominator) if denominator else float(numerator)
    except (ValueError, ZeroDivisionError):
        raise argparse.ArgumentTypeError(
            f"expected a number or a fraction such as 1/6, not {quoted(text)}"
        ) from None


def _numbers(count, form):
    """The argument type of `count` comma-separated numbers, written as `form` in messages."""

    def parsed(text):
        """The numbers as a tuple; argparse.ArgumentTypeError otherwise."""
        try:
            values = tuple(float(part) for part in text.split(","))
        except ValueError:
            values = ()
        if len(values) != count:
            raise argparse.ArgumentTypeError(
                f"expected {_COUNTS[count]} numbers {form}, not {quoted(text)}"
            )
        return values

    return parsed


_COUNTS = {3: "three", 9: "nine"}
_triple = _numbers(3, "X,Y,Z")


def _body(arguments):
    """The keyword arguments of `on_mesh` and `compare` from the body options."""
    return {
        "lamda": arguments.lamda,
        "a": arguments.a,
        "b": arguments.b,
        "alpha": arguments.alpha,
        "beta": arguments.beta,
        "centre": arguments.centre,
        "tolerance": arguments.tolerance,
        "format": arguments.format,
    }


def _make_mesh(arguments):
    """The command mesh: writes the spheroid's mesh and prints what it holds."""
    body = meshes.spheroid(
        arguments.lamda,
        arguments.n_axial,
        arguments.n_around,
        arguments.cells,
        arguments.spacing,
        half=arguments.half,
        length=arguments.length,
    )
    meshes.write(body, arguments.output, arguments.format)
    print(f"{arguments.output}: {body!r}")


def _refuse_clashes(arguments, inputs, outputs):
    """A usage error (status 2) when an output would replace an input or another output."""
    message = clash(inputs, outputs)
    if message:
        arguments.command.error(message)


def _ellipsoid_options(arguments):
    """The keyword arguments of `on_mesh` for --axes and --rotation; usage errors (status 2)."""
    if arguments.axes is None:
        if arguments.rotation is not None:
            arguments.command.error("--rotation needs the ellipsoid given by --axes")
        return {}
    if arguments.lamda is not None or arguments.a is not None or arguments.b is not None:
        arguments.command.error("--axes gives the body: leave out --lambda, --a and --b")
    if arguments.rotation is None:
        return {"axes": arguments.axes}
    rotation = [arguments.rotation[row : row + 3] for row in (0, 3, 6)]
    try:
        Ellipsoid(1.0, 1.0, 1.0).added_mass(rotation=rotation)  # the library's check
    except ValueError as error:
        arguments.command.error(f"--rotation: {error}")
    return {"axes": arguments.axes, "rotation": rotation}


def _on_mesh(arguments):
    """The command on-mesh: writes the files asked for; prints the fit, Cp range, added mass."""
    posed = _ellipsoid_options(arguments)
    _refuse_clashes(
        arguments,
        [("the mesh", arguments.mesh)],
        [
            ("--csv", arguments.csv),
            ("--vtu", arguments.vtu),
            ("--added-mass", arguments.added_mass),
        ],
    )
    exact = on_mesh(arguments.mesh, **_body(arguments), **posed)
    for path, write in (
        (arguments.csv, exact.write_csv),
        (arguments.vtu, exact.write_vtu),
        (arguments.added_mass, exact.write_added_mass_json if posed else exact.write_added_mass),
    ):
        if path is not None:
            write(path)
    print(f"{arguments.mesh}: {len(exact.mesh)} cells, largest vertex distance {exact.fit:.3g}")
    print(f"Cp from {exact.cells['Cp'].min():.6f} to {exact.cells['Cp'].max():.6f}")
    print("added mass about the mesh's origin (density 1):")
    for row in exact.added_mass:
        print(" ".join(f"{value:14.7g}" for value in row))


def _compare(arguments):
    """The command compare: reads the study, writes the outputs asked for; prints the table."""
    folder = arguments.study.parent
    meshes_, results, inputs = [], [], [("the study", arguments.study)]
    with open(arguments.study, newline="", encoding="utf-8") as stream:
        rows = list(csv.DictReader(stream, skipinitialspace=True))
    for line, row in enumerate(rows, start=2):
        if not row.get("mesh"):
            raise ReferenceDataError(
                f"{arguments.study}, line {line}: needs a mesh file in the column 'mesh'"
            )
        files = {
            key: folder / row[key] for key in ("mesh", "cp", "added_mass", "phi") if row.get(key)
        }
        meshes_.append(files.pop("mesh"))
        results.append(files)
        inputs += [(f"the {key} file of line {line}", path) for key, path in files.items()]
        inputs.append((f"the mesh of line {line}", meshes_[-1]))
    outputs = [("--table", arguments.table), ("--figure", arguments.figure)]
    posed = _ellipsoid_options(arguments)
    _refuse_clashes(arguments, inputs, outputs)
    study = compare(meshes_, results, **_body(arguments), **posed)
    if arguments.table is not None:
        study.write_table(arguments.table)
    if arguments.figure is not None:
        study.figure(arguments.figure)
    columns = [
        "cells",
        "h",
        "cp_l2",
        "order_cp_l2",
        "cp_linf",
        "order_cp_linf",
        "am_max",
        "order_am_max",
    ]
    _print_table(study.table, columns)
    modes = [f"phi{k}_l2" for k in range(1, 7)]
    if modes[0] in study.table:
        print("\nmode potentials, area-weighted RMS error and observed order:")
        _print_table(study.table, ["cells", *[f"{kind}{name}" for name in modes
                                              for kind in ("", "order_")]])


def _print_table(table, columns):
    """The columns of `table`, numbers to 4 significant digits, without the row numbers."""
    print(table[columns].to_string(index=False, float_format=lambda value: f"{value:.4g}"))
