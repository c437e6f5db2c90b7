#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Builds the Debian package of the programs, lists its contents, checks the
# desktop entry and the AppStream metainfo it installs, and runs lintian on
# it: an error or a warning from lintian fails the script.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}" dpkg-dev file lintian
dir="$ROOT/build-package"
configure_and_build "$dir" all -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSOLVA_GUI=ON -DSOLVA_BENCHMARK=OFF -DBUILD_TESTING=OFF
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/*.deb)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
echo "== Contents"
dpkg-deb --contents "$deb"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb --extract "$deb" "$stage"
echo "== Validation"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --pedantic --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
echo "== lintian"
lintian --info --fail-on error,warning "$deb"
echo "Package valid: $deb"
