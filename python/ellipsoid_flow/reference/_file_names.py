# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Outputs named like an input, or like each other, which writing would lose."""

import os


def same_file(a, b):
    """Whether two names reach one file: the same file when both exist, else the same full path.

    Links and "./" count: a name through a symbolic link reaches the link's target.

    Parameters
    ----------
    a, b : str or os.PathLike

    Returns
    -------
    bool
    """
    try:
        return os.path.samefile(a, b)
    except OSError:
        return os.path.realpath(a) == os.path.realpath(b)


def clash(inputs, outputs):
    """What is wrong with the first output named like an input or an earlier output; else None.

    Parameters
    ----------
    inputs, outputs : list of (str, path) pairs
        The label as the user knows the file ("--csv", "the mesh") and its
        name; outputs whose name is None are not written.

    Returns
    -------
    str or None
        The message naming both files and what to do.
    """
    written = [(label, path) for label, path in outputs if path is not None]
    for k, (label, path) in enumerate(written):
        for other_label, other in inputs:
            if same_file(path, other):
                return (
                    f"{label} {path} would replace {other_label} {other}; "
                    "give the output another name."
                )
        for other_label, other in written[:k]:
            if same_file(path, other):
                return (
                    f"{other_label} {other} and {label} {path} name the same file; "
                    "give each its own."
                )
    return None
