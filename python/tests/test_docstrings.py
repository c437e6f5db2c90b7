# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Every public name has a complete NumPy-style docstring, and its examples run.

numpydoc cannot read the signatures pybind11 writes, so the names and
parameters come from the stubs (__init__.pyi) for the compiled classes, from
the source for the Python functions, and from the subpackages' __all__.
"""

import ast
import doctest
import inspect
import re
from pathlib import Path

import numpy as np
import pytest

import ellipsoid_flow
from ellipsoid_flow import mesh, reference

PACKAGE = Path(ellipsoid_flow.__file__).parent
HEADER = re.compile(r"^([A-Z][a-z]+)\n-+$", re.M)


def sections(doc):
    """{section title: its text} of a NumPy-style docstring."""
    parts = HEADER.split(doc)
    return {title: text for title, text in zip(parts[1::2], parts[2::2])}


def named(text):
    """The names an entry list (Parameters, Attributes) gives: `a, b : float` gives a and b."""
    entries = re.findall(r"^(\*{0,2}[A-Za-z_][\w, *]*?)(?: :.*)?$", text, re.M)
    return {name.strip(" *") for entry in entries for name in entry.split(",")}


def stub_rows():
    """(name, object, parameters, returns) of every class and method the stubs declare."""
    tree = ast.parse((PACKAGE / "__init__.pyi").read_text())
    rows = []
    for node in tree.body:
        if not isinstance(node, ast.ClassDef):
            continue
        cls = getattr(ellipsoid_flow, node.name)
        # A class lists its fields, or its constructor's parameters.
        fields = [item.target.id for item in node.body if isinstance(item, ast.AnnAssign)]
        rows.append((node.name, cls, fields, False))
        for item in node.body:
            if not isinstance(item, ast.FunctionDef):
                continue
            params = [a.arg for a in item.args.args[1:] + item.args.kwonlyargs]
            if item.name == "__init__":
                fields += params
            elif any(getattr(d, "id", None) == "property" for d in item.decorator_list):
                rows.append((f"{node.name}.{item.name}", getattr(cls, item.name), None, False))
            else:
                rows.append((f"{node.name}.{item.name}", getattr(cls, item.name), params, True))
    return rows


def python_rows(module, names):
    """Rows of Python functions and classes, their methods included."""
    rows = []
    for name in names:
        obj = getattr(module, name)
        if inspect.isfunction(obj):
            rows.append((f"{module.__name__}.{name}", obj, parameters(obj), returns_value(obj)))
        elif inspect.isclass(obj):
            rows.append((f"{module.__name__}.{name}", obj, class_fields(obj), False))
            for method, function in vars(obj).items():
                if inspect.isfunction(function) and not method.startswith("_"):
                    rows.append((f"{module.__name__}.{name}.{method}", function,
                                 parameters(function)[1:], returns_value(function)))
    return rows


def parameters(function):
    return [p.name for p in inspect.signature(function).parameters.values()]


def class_fields(cls):
    if issubclass(cls, Exception):
        return []
    return list(getattr(cls, "__dataclass_fields__", {}))


def returns_value(function):
    """Whether the function's own code returns a value."""
    tree = ast.parse(inspect.getsource(function).lstrip())
    return any(isinstance(n, ast.Return) and n.value is not None for n in ast.walk(tree))


ROWS = (
    stub_rows()
    + python_rows(ellipsoid_flow, ["run", "RunResult"])
    + python_rows(mesh, [n for n in mesh.__all__ if n != "FORMATS"])
    + python_rows(reference, [n for n in reference.__all__ if not n.isupper()])
)


@pytest.mark.parametrize("name, obj, params, returns", ROWS, ids=[row[0] for row in ROWS])
def test_docstring_complete_and_examples_run(name, obj, params, returns, tmp_path, monkeypatch):
    doc = inspect.getdoc(obj)
    assert doc and doc.strip(), f"{name} has no docstring"
    if params is None:  # a property: one line saying what and in which unit
        return
    found = sections(doc)
    listed = named(found.get("Parameters", "") + found.get("Attributes", ""))
    assert set(params) <= listed, f"{name} leaves undocumented: {set(params) - listed}"
    if returns:
        assert "Returns" in found, f"{name} says nothing of what it returns"
    if params and not inspect.isclass(obj):
        assert "Raises" in found, f"{name} says nothing of what it raises"
    assert "Examples" in found, f"{name} has no example"
    # The examples run as written, with their outputs, in a scratch folder.
    monkeypatch.chdir(tmp_path)
    test = doctest.DocTestParser().get_doctest(
        found["Examples"], {"np": np, "ellipsoid_flow": ellipsoid_flow}, name, None, 0)
    runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
    runner.run(test)
    assert test.examples and runner.failures == 0, f"{name}: an example fails, see above"
