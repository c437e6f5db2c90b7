# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Sphinx settings of the Python reference of ellipsoid_flow.

The module is documented as built: PYTHONPATH names the build's python/
folder (scripts/docs.sh and the test suite set it), so the docstrings are the
compiled module's own.
"""

import ellipsoid_flow

project = "Ellipsoid Flow"
author = "Ellipsoid Flow developers"
copyright = "2026, Ellipsoid Flow developers"
release = ellipsoid_flow.__version__
version = release

extensions = [
    "sphinx.ext.autodoc",
    "sphinx.ext.napoleon",
    "sphinx.ext.mathjax",
    "myst_parser",
]

source_suffix = {".rst": "restructuredtext", ".md": "markdown"}
root_doc = "index"
exclude_patterns = ["_build"]

# pybind11 writes each signature as the docstring's first line.
autodoc_docstring_signature = True
autodoc_member_order = "bysource"
autodoc_typehints = "none"
autodoc_default_options = {"members": True, "undoc-members": False}

napoleon_google_docstring = False
napoleon_numpy_docstring = True
napoleon_use_rtype = False

# Shapes and NumPy's informal types in the docstrings' type lines name no
# documented object.
# Explicit references (functions, methods, attributes, documents) must resolve.
nitpicky = True
nitpick_ignore_regex = [("py:class", r"(?!ellipsoid_flow\.).*")]
napoleon_use_ivar = True

# Debian's MathJax, so that the pages render formulas without a network.
mathjax_path = "file:///usr/share/javascript/mathjax/MathJax.js?config=TeX-AMS-MML_HTMLorMML"

myst_heading_anchors = 3


def _literal_bars(app, what, name, obj, options, lines):
    """|v| in a docstring is a magnitude, not reStructuredText's substitution."""
    lines[:] = [line.replace("|", "\\|") for line in lines]


def setup(app):
    app.connect("autodoc-process-docstring", _literal_bars)

html_theme = "alabaster"
html_title = f"Ellipsoid Flow {release}"
html_static_path = []
