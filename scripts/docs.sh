#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Builds the reference into build-docs/html: that of the C++ public headers,
# through Doxygen (docs/cpp/Doxyfile), into build-docs/html/cpp. An
# undocumented symbol or parameter fails it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages doxygen
html="$ROOT/build-docs/html"
rm -rf "$html/cpp"
mkdir -p "$html"
version=$(sed -n 's/^project(ellipsoid-flow VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
(cd "$ROOT" && DOXYGEN_HTML="$html" PROJECT_VERSION="$version" doxygen docs/cpp/Doxyfile)
echo "C++ reference: $html/cpp/index.html"
