#!/usr/bin/env bash
# Builds the Debian package of the program, lists its contents and checks
# the desktop entry and the AppStream metainfo it installs.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages "${PACKAGES[@]}" dpkg-dev file
dir="$ROOT/build-package"
configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSOLVA_GUI=ON -DSOLVA_BENCHMARK=OFF
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/*.deb | head -n 1)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "== Contents"
dpkg-deb --contents "$deb"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb --extract "$deb" "$stage"
echo "== Validation"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
echo "Package valid: $deb"
