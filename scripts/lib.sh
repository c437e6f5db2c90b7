# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Shared by the set-up scripts: install missing Debian packages, configure and build.
# Sourced, not run.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The packages the window program alone needs on Debian 12.
WINDOW_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev fonts-dejavu-core
                 fonts-liberation2)
# The packages a build with its tests needs.
PACKAGES=("${WINDOW_PACKAGES[@]}" libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
          libboost-math-dev locales desktop-file-utils appstream xvfb xauth reuse lintian
          gnuplot-nox xdg-user-dirs
          python3-dev pybind11-dev python3-pybind11 python3-numpy python3-scipy python3-pytest python3-mpmath
          python3-matplotlib python3-pandas python3-meshio python3-gmsh
          python3-sphinx python3-myst-parser libjs-mathjax libjs-sphinxdoc libjs-jquery
          jupyter-nbconvert python3-nbconvert python3-ipykernel python3-nbformat
          python3-venv python3-pip python3-build)
# The C++ reference (scripts/docs.sh).
PACKAGES+=(doxygen)

# Installs whichever of the given packages are missing (as root, or through sudo).
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR TARGETS [cmake options...]: an incremental build in
# DIR of TARGETS, "all" or target names separated by blanks.
configure_and_build() {
    local dir="$1" names
    read -r -a names <<<"$2"
    shift 2
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" --target "${names[@]}"
}
