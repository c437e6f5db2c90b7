#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Builds the Debian packages: ellipsoid-flow (the programs),
# python3-ellipsoid-flow (the Python module) and libellipsoid-flow-dev (the
# C++ library and headers), the last two with their HTML references. Lists
# their contents, checks the desktop entry and the AppStream metainfo,
# imports the module and runs the reference command from the package's own
# files, checks that the documentation the help texts and man pages name is
# packaged, has apt check that the three would install together, and runs
# lintian on them: an error or a warning from lintian fails the script.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}" dpkg-dev file lintian
dir="$ROOT/build-package"
configure_and_build "$dir" all -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSOLVA_GUI=ON -DSOLVA_PYTHON=ON -DSOLVA_BENCHMARK=OFF -DBUILD_TESTING=OFF \
    -DSOLVA_REFERENCE_HTML=ON
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
program_deb=$(ls "$dir"/ellipsoid-flow_*.deb)
python_deb=$(ls "$dir"/python3-ellipsoid-flow_*.deb)
dev_deb=$(ls "$dir"/libellipsoid-flow-dev_*.deb)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for deb in "$program_deb" "$python_deb" "$dev_deb"; do
    echo "== $deb"
    dpkg-deb --field "$deb" Package Version Architecture Section Depends Recommends Description
    echo "== Contents"
    dpkg-deb --contents "$deb"
    dpkg-deb --extract "$deb" "$stage"
done

echo "== Validation"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --pedantic --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
# Debian's Python, isolated from the user's site and PYTHONPATH, finds the
# module in the package's files alone.
site="$stage/usr/lib/python3/dist-packages"
/usr/bin/python3 -I -c "
import sys; sys.path.insert(0, '$site')
import ellipsoid_flow
assert ellipsoid_flow.__file__.startswith('$site/'), ellipsoid_flow.__file__
print('import ellipsoid_flow', ellipsoid_flow.__version__, 'from the package: ok')"
# The command runs from the package's files, and every documentation path its
# help and the man pages name is in the packages.
help=$(PYTHONPATH="$site" /usr/bin/python3 "$stage/usr/bin/ellipsoid-flow-reference" --help;
    "$stage/usr/bin/ellipsoid-flow-cli" --help)
named=$({ echo "$help"; zcat "$stage"/usr/share/man/man1/*.1.gz | sed 's/\\-/-/g'; } |
    grep -o '/usr/share/doc/[^ ,;:)]*' | sed 's/[.]$//' | sort -u)
for path in $named; do
    [ -e "$stage$path" ] || { echo "named but not in the packages: $path"; exit 1; }
done
echo "documentation named by the help and the man pages, all in the packages:" $named
# The references' links to Debian's JavaScript libraries lead, once
# installed, to files the packages they depend on hold.
for link in $(find "$stage/usr/share/doc" -type l -name '*.js'); do
    installed=$(realpath -m "$(dirname "${link#"$stage"}")/$(readlink "$link")")
    [ -f "$installed" ] || { echo "${link#"$stage"} leads nowhere: $installed"; exit 1; }
done
# Every dependency is satisfiable here, the three packages together.
apt-get install --simulate --no-install-recommends "$program_deb" "$python_deb" "$dev_deb" >/dev/null
echo "== lintian"
lintian --info --fail-on error,warning "$program_deb" "$python_deb" "$dev_deb"
echo "Packages valid: $program_deb $python_deb $dev_deb"
