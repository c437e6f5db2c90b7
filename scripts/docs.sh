#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Builds the reference documentation into build-docs/html: the Python
# module's reference (Sphinx, with the guides of docs/), index.html at the
# top, and that of the C++ public headers (Doxygen, docs/cpp/Doxyfile) in
# build-docs/html/cpp. Warnings fail either, as in the test suite: an
# undocumented symbol or parameter, a broken link.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}"
out="$ROOT/build-docs/html"

# The Python reference, from the docstrings of the module as built.
build_python_reference() {
    configure_and_build "$ROOT/build-docs/build" "_core python_package" \
        -DCMAKE_BUILD_TYPE=Release -DSOLVA_GUI=OFF -DSOLVA_PYTHON=ON -DSOLVA_BENCHMARK=OFF \
        -DBUILD_TESTING=OFF
    PYTHONPATH="$ROOT/build-docs/build/python" PYTHONDONTWRITEBYTECODE=1 \
        /usr/bin/python3 -m sphinx -W --keep-going -n -q -b html \
        -d "$ROOT/build-docs/doctrees" "$ROOT/docs/api" "$out"
}

# The C++ reference, from the public headers' comments.
build_cpp_reference() {
    rm -rf "$out/cpp"
    mkdir -p "$out"
    local version
    version=$(sed -n 's/^project(ellipsoid-flow VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
    (cd "$ROOT" && DOXYGEN_HTML="$out" PROJECT_VERSION="$version" doxygen docs/cpp/Doxyfile)
}

build_python_reference
build_cpp_reference
echo "The reference: $out/index.html (C++: $out/cpp/index.html)"
