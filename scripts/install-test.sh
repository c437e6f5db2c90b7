#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
# Installs the two packages of scripts/package.sh with apt into a throwaway
# copy of this machine (an overlay of / in a private mount namespace, so the
# machine itself is left as it was), then imports the module and runs the
# command-line program and the reference command there from a bare
# environment, and finds the example scripts. Needs root.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
debs=("$ROOT"/build-package/ellipsoid-flow_*.deb "$ROOT"/build-package/python3-ellipsoid-flow_*.deb)
if [ "${1:-}" != --inside ]; then
    exec unshare --mount --propagation private "$0" --inside
fi

base=$(mktemp -d)
trap 'umount --recursive --lazy "$base"; rmdir "$base"' EXIT
mount -t tmpfs tmpfs "$base"
mkdir "$base/upper" "$base/work" "$base/root"
mount -t overlay overlay -o "lowerdir=/,upperdir=$base/upper,workdir=$base/work" "$base/root"
for dir in proc sys dev; do
    mount --rbind "/$dir" "$base/root/$dir"
done
mkdir "$base/root/debs"
cp "${debs[@]}" "$base/root/debs/"
chroot "$base/root" sh -c 'dpkg -s ellipsoid-flow python3-ellipsoid-flow >/dev/null 2>&1 &&
    { echo "the packages are installed already"; exit 1; } || true'
chroot "$base/root" sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q /debs/*.deb' |
    tail -n 3
chroot "$base/root" env -i PATH=/usr/bin:/bin HOME=/root sh -c 'cd /tmp &&
    python3 -c "import ellipsoid_flow as ef; print(ef.__file__, ef.run(0.2, 400, 18, 10, 5).Cp.shape)" &&
    ellipsoid-flow-cli --version &&
    ellipsoid-flow-reference mesh m.gdf --lambda 1/6 --n-axial 8 --n-around 8 &&
    ls /usr/share/doc/python3-ellipsoid-flow/examples/panel_method.py'
echo "Installed and imported: ${debs[*]##*/}"
